#include "gui/display/ScreenObjectStyler.h"

#include "gui/controls/FlexGrid.h"
#include "gui/controls/ListFillers.h"
#include "gui/controls/OleColor.h"

#include <QHash>
#include <QLabel>
#include <QTextCursor>
#include <QTextEdit>

namespace {

constexpr OleColor White = 0xFFFFFF;

QFont fontOf(const ScreenObject& e, QFont font)
{
    font.setFamily(e.FontName);
    if (e.FontSize > 0)
        font.setPointSize(e.FontSize);
    font.setBold(e.FontBold);
    font.setItalic(e.FontItalic);
    return font;
}

OleColor colorOf(const QVariant& value, const QVariant& fallback)
{
    return OleColorFromVariant(value, OleColorFromVariant(fallback, White));
}

void setTextColor(QWidget* w, OleColor color)
{
    const QColor c = OleColorToQColor(color);
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

void apply(QWidget* w, const ScreenObject& e)
{
    switch (e.Kind) {
    case KindCaptionLabel:
    case KindValueLabel:
        if (e.Kind == KindCaptionLabel) {
            if (auto* label = qobject_cast<QLabel*>(w))
                label->setText(e.LabelText);
        }
        setTextColor(w, colorOf(e.FontColor, e.DefaultFontColor));
        w->setFont(fontOf(e, w->font()));
        break;
    case KindGrid:
    case KindSeatChart:
        if (auto* grid = qobject_cast<FlexGrid*>(w)) {
            grid->setRedraw(false);
            if (e.Kind == KindGrid)
                grid->setForeColor(colorOf(e.FontColor, e.DefaultFontColor));
            grid->setFont(fontOf(e, grid->font()));
            if (e.Kind == KindGrid)
                grid->setForeColorFixed(colorOf(e.HeaderColor, e.DefaultHeaderColor));
            grid->setRedraw(true);
        }
        break;
    case KindRichText:
        if (auto* box = qobject_cast<QTextEdit*>(w))
            RecolorWholeText(box, colorOf(e.FontColor, e.DefaultFontColor));
        break;
    default:
        break;
    }
}

// The window's named controls, looked up once per pass.
class Controls {
public:
    explicit Controls(QWidget* window)
    {
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->objectName().isEmpty() && !mByName.contains(w->objectName()))
                mByName.insert(w->objectName(), w);
        }
    }
    QWidget* of(const ScreenObject& e) const { return mByName.value(e.ControlObjectName()); }

private:
    QHash<QString, QWidget*> mByName;
};

} // namespace

void ApplyScreenObjectFont(QWidget* Window, const ScreenObject& Entry)
{
    if (QWidget* w = Window->findChild<QWidget*>(Entry.ControlObjectName()))
        apply(w, Entry);
}

void SetScreenObjects(QWidget* Window, const ScreenObjectTable& Table, Long ScreenId)
{
    const Controls controls(Window);
    for (const Integer i : Table.ScreenObjectsOf(ScreenId)) {
        const ScreenObject& e = Table.gtypScreenObjects[i];
        if (QWidget* w = controls.of(e))
            apply(w, e);
    }
}

void ApplyAllScreenObjectFonts(QWidget* Window, ScreenObjectTable& Table, Integer Index)
{
    const QList<Integer> changed = Table.CopyArrayLook(Index);
    if (changed.isEmpty())
        return;
    const Controls controls(Window);
    for (const Integer j : changed) {
        const ScreenObject& e = Table.gtypScreenObjects[j];
        if (QWidget* w = controls.of(e))
            apply(w, e);
    }
}

void RecolorWholeText(QTextEdit* Box, OleColor Color)
{
    QTextCursor cursor(Box->document());
    cursor.select(QTextCursor::Document);
    QTextCharFormat format;
    format.setForeground(OleColorToQColor(Color));
    cursor.mergeCharFormat(format);
    setTextColor(Box, Color);
}

void FillScreenCombo(const ListControl& List, bool AllFields) { List.fill(ScreenComboItems(AllFields)); }
