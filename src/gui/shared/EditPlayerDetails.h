#pragma once

#include "core/platform/ModelTypes.h"

#include <QString>

class QWidget;

// Lets the director edit one player's name and details in the player details
// dialog. On OK the player's row is stored, NewName and Email take the
// stored name and e-mail and the result is true; otherwise nothing is
// written, both stay as they were and the result is false. A player without
// a row raises DatabaseError before the dialog shows.
bool EditPlayerDetails(Long PlayerID, const QString& CurrentName, QString& NewName, QString& Email,
                       QWidget* parent = nullptr);
