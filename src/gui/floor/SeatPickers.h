#pragma once

#include <QDialog>
#include <QStringList>
#include <optional>

class QListWidget;

// The three small pickers of the seat commands: a list, OK and Cancel. OK
// with nothing chosen shows the picker's message and keeps it open; Cancel
// and the close box change nothing.
class SeatPicker : public QDialog {
    Q_OBJECT
public:
    struct Texts {
        const char* Name; // frmTables, frmOpenSeats, frmPlayerList
        const char* Caption;
        const char* Heading;
        const char* ListName;
        const char* ListHeading; // above the list, "" for none
        const char* Note; // below the list, "" for none
        const char* OkCaption;
        const char* Nothing; // the message for OK with nothing chosen
    };
    SeatPicker(const Texts& texts, const QStringList& items, QWidget* parent = nullptr);

    bool mbOKed = false;
    QListWidget* list;
    // The chosen line (from 0) after OK.
    int ListIndex() const;

    void cmdOK_Click();

private:
    QString mNothing;
};

extern const SeatPicker::Texts frmTables;
extern const SeatPicker::Texts frmOpenSeats;
extern const SeatPicker::Texts frmPlayerList;

// Shows the picker modally; the chosen line, or nothing when cancelled.
std::optional<int> PickFrom(const SeatPicker::Texts& texts, const QStringList& items, QWidget* parent);
