BUILD := build
SOURCES = $(shell git ls-files --cached --others --exclude-standard '*.cpp' '*.h')

.PHONY: run test build deps clean format format-check

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

# Applies the house style (.clang-format) to every source file, new ones too.
format: deps
	@clang-format -i $(SOURCES)

# Fails, naming the files, when a tracked source file is not in the house style.
format-check: deps
	@clang-format --dry-run --Werror $(SOURCES)

clean:
	rm -rf $(BUILD)
