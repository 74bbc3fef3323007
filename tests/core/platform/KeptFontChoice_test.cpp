#include "core/platform/Prompter.h"

#include <gtest/gtest.h>

TEST(KeptFontChoice, WhatThePickerShowedAndTheUserLeftStaysAsStored)
{
    const FontChoice stored {QStringLiteral("Zrv Missing Face"), 14, true, false};
    struct Case {
        const char* what;
        FontChoice shown, answered, kept;
    };
    const Case cases[] = {
        {"size only",
         {"DejaVu Sans", 14, true, false},
         {"DejaVu Sans", 20, true, false},
         {"Zrv Missing Face", 20, true, false}},
        {"a family without bold",
         {"Zrv Plain", 14, false, false},
         {"Zrv Plain", 14, false, false},
         {"Zrv Missing Face", 14, true, false}},
        {"another family",
         {"DejaVu Sans", 14, true, false},
         {"Liberation Serif", 14, true, false},
         {"Liberation Serif", 14, true, false}},
        {"another style",
         {"DejaVu Sans", 14, true, false},
         {"DejaVu Sans", 14, false, true},
         {"Zrv Missing Face", 14, false, true}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeptFontChoice(stored, c.shown, c.answered), c.kept) << c.what;
}
