#pragma once

#include <QPixmap>

// The program's own pictures, drawn once when first asked for.
QPixmap StartTimerPicture(); // 20 x 21: a play triangle in a clock face
QPixmap PauseTimerPicture(); // 21 x 22: pause bars in a clock face
QPixmap LogoPicture(); // 110 x 79: the program's logo
QPixmap CardsPicture(); // 120 x 37: a fan of playing cards
QPixmap ReminderPicture(); // 48 x 48: a bell
