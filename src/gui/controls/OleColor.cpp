#include "gui/controls/OleColor.h"

#include <QStyle>
#include <QStyleFactory>
#include <QWidget>
#include <memory>

namespace {

QColor systemColor(unsigned index, const QPalette& p)
{
    switch (index) {
    case 0: // scroll bar
    case 16: // button shadow
        return p.color(QPalette::Mid);
    case 1: // desktop
    case 12: // application work space
        return p.color(QPalette::Dark);
    case 2: // active title bar
    case 13: // highlight
        return p.color(QPalette::Highlight);
    case 3: // inactive title bar
        return p.color(QPalette::Inactive, QPalette::Highlight);
    case 5: // window background
        return p.color(QPalette::Base);
    case 6: // window frame
    case 21: // dark 3-D shadow
        return p.color(QPalette::Shadow);
    case 7: // menu text
        return p.color(QPalette::WindowText);
    case 8: // window text
        return p.color(QPalette::Text);
    case 9: // title bar text
    case 14: // highlighted text
        return p.color(QPalette::HighlightedText);
    case 17: // grey text
    case 19: // inactive title bar text
        return p.color(QPalette::Disabled, QPalette::Text);
    case 18: // button text
        return p.color(QPalette::ButtonText);
    case 20: // button highlight
        return p.color(QPalette::Light);
    case 22: // 3-D light
        return p.color(QPalette::Midlight);
    case 23: // tooltip text
        return p.color(QPalette::ToolTipText);
    case 24: // tooltip background
        return p.color(QPalette::ToolTipBase);
    case 15: // button face
        return p.color(QPalette::Button);
    default: // menu, borders and anything unknown
        return p.color(QPalette::Window);
    }
}

} // namespace

QColor OleColorToQColor(OleColor color, const QPalette& palette)
{
    if (color & SystemColorFlag)
        return systemColor(color & 0xFFu, palette);
    return QColor(int(color & 0xFFu), int((color >> 8) & 0xFFu), int((color >> 16) & 0xFFu));
}

void SetPaletteColor(QWidget* widget, QPalette::ColorRole role, OleColor color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, OleColorToQColor(color));
    widget->setPalette(palette);
}

const QPalette& StandardLightPalette()
{
    static const QPalette palette = [] {
        std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        return fusion ? fusion->standardPalette() : QPalette(Qt::lightGray, Qt::white);
    }();
    return palette;
}
