#pragma once

#include <QPixmap>

// The floating toolbar's own pictures, 24 x 24.
enum class ToolbarPicture { AddRemovePlayers, ToggleScreen, TournamentSetup, HideToolbar, PlayerScreen, HandTimer };
QPixmap ToolbarPicturePixmap(ToolbarPicture picture);
