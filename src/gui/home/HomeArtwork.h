#pragma once

#include <QPixmap>

// The pictures beside the home window's buttons, drawn for this program.
enum class HomeIcon { New, Open, Manage, Stats, PostResults, Help, About, Exit };

QPixmap HomeIconPicture(HomeIcon icon); // 32 x 32
