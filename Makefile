BUILD := build

.PHONY: run test build deps clean

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: CMakeLists.txt | deps
	cmake -S . -B $(BUILD) -G Ninja

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD)

run: build
	$(BUILD)/ZRV

test: build
	ctest --test-dir $(BUILD) -j8 --output-on-failure

clean:
	rm -rf $(BUILD)
