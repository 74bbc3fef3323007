#pragma once

#include "core/display/ScreenLayouts.h"
#include "core/platform/Twips.h"
#include "core/store/Nz.h"
#include "gui/controls/FlexGrid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStringList>
#include <QStyle>
#include <QTextDocument>
#include <QWidget>
#include <cmath>

// What a reader across the room would find cut on a window, measured with
// the real fonts: every shown label, button and grid cell of up to WholeNameChars
// characters must show its whole text inside its own rectangle, and that
// rectangle inside the window (and inside what holds it); a grid shows no
// horizontal scroll bar; no two labels side by side in one holder have texts
// that run into each other; and no panel covers a control of the column. Each
// fault is one line naming the control.
class TextFit {
public:
    static QStringList Faults(QWidget* window, const QList<QWidget*>& panels, const QList<QWidget*>& column)
    {
        QApplication::processEvents(); // pending layouts and scroll bars
        TextFit fit(window);
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!fit.shown(w))
                continue;
            if (auto* label = qobject_cast<QLabel*>(w))
                fit.checkLabel(label);
            else if (auto* button = qobject_cast<QAbstractButton*>(w))
                fit.checkButton(button);
            else if (auto* grid = qobject_cast<FlexGrid*>(w))
                fit.checkGrid(grid);
        }
        fit.checkOverlaps();
        for (QWidget* panel : panels) {
            if (!fit.shown(panel))
                continue;
            for (QWidget* control : column)
                if (fit.shown(control) && fit.onWindow(panel).intersects(fit.onWindow(control)))
                    fit.fault(panel, QStringLiteral("covers ") + control->objectName());
        }
        return fit.mFaults;
    }

    // Labels whose texts grow (a clock, a level, blinds) that came closer
    // than a visible gap, letters to letters: one line for each pair.
    static QStringList Crowded(const QList<QLabel*>& labels)
    {
        QApplication::processEvents();
        QStringList faults;
        for (qsizetype i = 0; i < labels.size(); ++i)
            for (qsizetype j = i + 1; j < labels.size(); ++j) {
                const QLabel* a = labels[i];
                const QLabel* b = labels[j];
                if (a->isVisible() && b->isVisible() && !a->text().isEmpty() && !b->text().isEmpty()
                    && a->parentWidget() == b->parentWidget()
                    && inkOnParent(a)
                           .adjusted(-VisibleGap, -VisibleGap, VisibleGap, VisibleGap)
                           .intersects(inkOnParent(b)))
                    faults << QStringLiteral("%1 \"%2\" within %3 px of %4 \"%5\"")
                                  .arg(a->objectName(), a->text())
                                  .arg(VisibleGap)
                                  .arg(b->objectName(), b->text());
            }
        return faults;
    }

    // What the floating toolbar covers of the display: the labels and the
    // grid cells with text (figures and names alike) that lie under it, by
    // name; the toolbar's own controls aside.
    static QStringList ToolbarCovers(QWidget* window, QWidget* toolbar)
    {
        QApplication::processEvents();
        TextFit fit(window);
        const QRect bar = fit.onWindow(toolbar);
        QStringList covered;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!fit.shown(w) || w == toolbar || toolbar->isAncestorOf(w))
                continue;
            if (auto* label = qobject_cast<QLabel*>(w)) {
                const QPoint holder = label->parentWidget()->mapTo(window, QPoint(0, 0));
                if (!label->text().isEmpty() && bar.intersects(inkOnParent(label).translated(holder)))
                    covered << label->objectName();
            } else if (auto* grid = qobject_cast<FlexGrid*>(w)) {
                const QRect view(grid->viewport()->mapTo(grid, QPoint(0, 0)), grid->viewport()->size());
                for (long r = 0; r < grid->Rows(); ++r)
                    for (long c = 0; c < grid->Cols(); ++c) {
                        const QRect cell = grid->CellRect(r, c) & (r < grid->FixedRows() ? grid->rect() : view);
                        if (!grid->TextMatrix(r, c).isEmpty() && !cell.isEmpty()
                            && bar.intersects(cell.translated(grid->mapTo(window, QPoint(0, 0)))))
                            covered << QStringLiteral("%1 (%2, %3) \"%4\"")
                                           .arg(grid->objectName())
                                           .arg(r)
                                           .arg(c)
                                           .arg(grid->TextMatrix(r, c));
                    }
            }
        }
        return covered;
    }

    // What the screen shows of a grid as it was painted, scrolls included
    // (not the grid drawn afresh): every row wholly in view shows each of its
    // texts at least as tall as the grid's capitals. A row painted blank or
    // showing only the foot of its letters is one line naming the cell.
    static QStringList PaintedRows(FlexGrid* grid)
    {
        const QImage shot = onScreen(grid);
        const int capitals = inkHeight(letterImage(grid->font(), u'H'), QRect(QPoint(0, 0), letterSize(grid->font())));
        QStringList faults;
        for (long r = 0; r < grid->Rows(); ++r) {
            if (!grid->RowIsVisible(r) || (r >= grid->FixedRows() && r < grid->TopRow()))
                continue;
            for (long c = 0; c < grid->Cols(); ++c) {
                if (grid->ColWidth(c) == 0 || !grid->ColIsVisible(c) || grid->ShownText(r, c).trimmed().isEmpty())
                    continue;
                const int painted = inkHeight(shot, grid->CellRect(r, c).adjusted(1, 1, -1, -1));
                if (painted < capitals)
                    faults << QStringLiteral("%1 (%2, %3) \"%4\" painted %5 px high, its capitals %6")
                                  .arg(grid->objectName())
                                  .arg(r)
                                  .arg(c)
                                  .arg(grid->TextMatrix(r, c))
                                  .arg(painted)
                                  .arg(capitals);
            }
        }
        return faults;
    }

    // Whether the capitals a grid paints (the first letters of its names,
    // as they stand on the screen) are at least those of the font at
    // floorPoints: the smallest of them, and the floor's, in pixels.
    static std::pair<int, int> PaintedCapitals(FlexGrid* grid, int floorPoints)
    {
        const QImage shot = onScreen(grid);
        const QFontMetrics metrics(grid->font());
        int smallest = -1;
        for (long r = grid->FixedRows(); r < grid->Rows(); ++r) {
            if (!grid->RowIsVisible(r) || r < grid->TopRow())
                continue;
            for (long c = 0; c < grid->Cols(); ++c) {
                const QString text = grid->ShownText(r, c);
                // Flat at top and foot: the ink is the capital's height.
                if (text.isEmpty() || !QStringLiteral("ABDEFHIKLMNPRTUVWXZ").contains(text[0])
                    || grid->ColAlignment(c) % 3 != 0 || !grid->ColIsVisible(c))
                    continue;
                const QRect cell = grid->CellRect(r, c);
                const QRect first(cell.left() + 1, cell.top() + 1, 3 + metrics.horizontalAdvance(text[0]),
                                  cell.height() - 2);
                const int painted = inkHeight(shot, first);
                smallest = smallest < 0 ? painted : std::min(smallest, painted);
            }
        }
        QFont floor = grid->font();
        floor.setPointSize(floorPoints);
        return {smallest, inkHeight(letterImage(floor, u'H'), QRect(QPoint(0, 0), letterSize(floor)))};
    }

private:
    // Texts side by side keep at least this many pixels between their
    // letters, a gap seen from across the room.
    static constexpr int VisibleGap = 4;

    // The window's pixels as the screen holds them, where the grid lies.
    static QImage onScreen(QWidget* w)
    {
        QApplication::processEvents(); // the pending paints
        QWidget* top = w->window();
        const QImage shot = top->screen()->grabWindow(top->winId()).toImage();
        return shot.copy(QRect(w->mapTo(top, QPoint(0, 0)), w->size()));
    }

    static QSize letterSize(const QFont& font)
    {
        return QSize(QFontMetrics(font).height() * 2, QFontMetrics(font).height() * 2);
    }

    static QImage letterImage(const QFont& font, QChar letter)
    {
        QImage image(letterSize(font), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(image.rect(), Qt::AlignCenter, QString(letter));
        return image;
    }

    // The height of what differs from the most common colour in the rectangle.
    static int inkHeight(const QImage& image, const QRect& area)
    {
        const QRect r = area & image.rect();
        QHash<QRgb, int> counts;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                ++counts[image.pixel(x, y)];
        QRgb back = 0;
        int most = 0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            if (it.value() > most) {
                most = it.value();
                back = it.key();
            }
        int top = -1, bottom = -1;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (std::abs(qGray(image.pixel(x, y)) - qGray(back)) > 96) {
                    top = top < 0 ? y : top;
                    bottom = y;
                }
        return top < 0 ? 0 : bottom - top + 1;
    }

    explicit TextFit(QWidget* window)
        : mWindow(window)
    {
    }

    bool shown(const QWidget* w) const
    {
        // Controls kept out of sight on purpose (off the window) show nothing.
        return w->isVisible() && w->window() == mWindow && onWindow(w).intersects(mWindow->rect());
    }

    QRect onWindow(const QWidget* w) const { return QRect(w->mapTo(mWindow, QPoint(0, 0)), w->size()); }

    // Where the control can be seen: inside each of its holders.
    QRect room(const QWidget* w) const
    {
        QRect r = mWindow->rect();
        for (const QWidget* p = w->parentWidget(); p && p != mWindow; p = p->parentWidget())
            r &= onWindow(p);
        return r;
    }

    void fault(const QWidget* w, const QString& what) { mFaults << w->objectName() + QStringLiteral(": ") + what; }

    void inside(const QWidget* w)
    {
        if (!room(w).contains(onWindow(w)))
            fault(w, QStringLiteral("off its window or holder"));
    }

    void checkLabel(QLabel* label)
    {
        const QString text = label->text();
        if (text.isEmpty())
            return;
        inside(label);
        const QFontMetrics metrics(label->font());
        int width = 0;
        int height = 0;
        if (label->textFormat() == Qt::RichText || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
            QTextDocument document;
            document.setDocumentMargin(0);
            document.setDefaultFont(label->font());
            document.setHtml(text);
            width = int(std::ceil(document.idealWidth()));
            height = metrics.height();
        } else {
            const QStringList lines = text.split(u'\n');
            for (const QString& line : lines)
                width = std::max(width, metrics.horizontalAdvance(line));
            height = int(lines.size()) * metrics.lineSpacing() - metrics.leading();
        }
        QRect inner = label->contentsRect();
        inner.adjust(label->margin(), label->margin(), -label->margin(), -label->margin());
        if (width > inner.width() || height > inner.height())
            fault(label,
                  QStringLiteral("\"%1\" needs %2x%3, has %4x%5")
                      .arg(text)
                      .arg(width)
                      .arg(height)
                      .arg(inner.width())
                      .arg(inner.height()));
    }

    // The ink of a label's text where its alignment puts it (a caption and its
    // value may share a few pixels of empty line space, not letters).
    static QRect inkOnParent(const QLabel* label)
    {
        const QString text = label->text();
        const QFontMetrics metrics(label->font());
        QRect inner = label->contentsRect();
        inner.adjust(label->margin(), label->margin(), -label->margin(), -label->margin());
        const bool rich
            = label->textFormat() == Qt::RichText || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
        const QStringList lines = rich ? QStringList {} : text.split(u'\n');
        int width = 0;
        for (const QString& line : lines)
            width = std::max(width, metrics.horizontalAdvance(line));
        const int height = rich ? metrics.height() : int(lines.size()) * metrics.lineSpacing() - metrics.leading();
        if (rich) {
            QTextDocument document;
            document.setDocumentMargin(0);
            document.setDefaultFont(label->font());
            document.setHtml(text);
            width = int(std::ceil(document.idealWidth()));
        }
        const QRect block
            = QStyle::alignedRect(label->layoutDirection(), label->alignment(), QSize(width, height), inner);
        QRect ink;
        if (rich) {
            ink = block;
        } else {
            for (int i = 0; i < lines.size(); ++i) {
                const int lineWidth = metrics.horizontalAdvance(lines[i]);
                const QRect line
                    = QStyle::alignedRect(label->layoutDirection(), label->alignment() & Qt::AlignHorizontal_Mask,
                                          QSize(lineWidth, height), block);
                ink |= metrics.tightBoundingRect(lines[i]).translated(
                    line.left(), block.top() + i * metrics.lineSpacing() + metrics.ascent());
            }
        }
        return ink.translated(label->pos());
    }

    void checkOverlaps()
    {
        QList<QLabel*> labels;
        for (QLabel* label : mWindow->findChildren<QLabel*>())
            if (shown(label) && !label->text().isEmpty())
                labels << label;
        for (qsizetype i = 0; i < labels.size(); ++i) {
            for (qsizetype j = i + 1; j < labels.size(); ++j) {
                if (labels[i]->parentWidget() != labels[j]->parentWidget())
                    continue;
                if (inkOnParent(labels[i]).intersects(inkOnParent(labels[j])))
                    fault(labels[i], QStringLiteral("overlaps ") + labels[j]->objectName());
            }
        }
    }

    void checkButton(QAbstractButton* button)
    {
        inside(button);
        const QString text = QString(button->text()).remove(u'&');
        if (text.isEmpty())
            return;
        const int width = QFontMetrics(button->font()).horizontalAdvance(text);
        if (width > button->width() - 4)
            fault(button, QStringLiteral("\"%1\" needs %2, has %3").arg(text).arg(width).arg(button->width()));
    }

    void checkGrid(FlexGrid* grid)
    {
        inside(grid);
        int columns = 0;
        for (long c = 0; c < grid->Cols(); ++c)
            columns += TwipsToPixels(int(grid->ColWidth(c)));
        if (grid->horizontalScrollBar()->isVisible() || columns > grid->viewport()->width())
            fault(grid,
                  QStringLiteral("columns of %1 in %2: a horizontal scroll bar")
                      .arg(columns)
                      .arg(grid->viewport()->width()));
        const QRect view(grid->viewport()->mapTo(grid, QPoint(0, 0)), grid->viewport()->size());
        for (long r = 0; r < grid->Rows(); ++r) {
            for (long c = 0; c < grid->Cols(); ++c) {
                const QString text = grid->TextMatrix(r, c);
                if (text.isEmpty() || text.size() > WholeNameChars || grid->ColWidth(c) == 0)
                    continue;
                const QRect cell = grid->CellRect(r, c);
                // What the cell shows, as its painting cuts it.
                const QString shown = grid->ShownText(r, c);
                if (shown != text)
                    fault(grid, QStringLiteral("cell (%1, %2) \"%3\" shows as \"%4\"").arg(r).arg(c).arg(text, shown));
                // The header row stays in view; every cell lies within the grid's width.
                if (cell.left() < 0 || cell.right() > view.right() + 1 || (r < grid->FixedRows() && cell.top() < 0))
                    fault(grid, QStringLiteral("cell (%1, %2) \"%3\" outside the grid").arg(r).arg(c).arg(text));
            }
            checkGaps(grid, r);
        }
    }

    // The letters of a cell where its alignment puts them, across the row.
    static std::pair<int, int> inkAcross(FlexGrid* grid, long r, long c)
    {
        const QString text = grid->ShownText(r, c);
        const QRect inside = grid->CellRect(r, c).adjusted(FlexGrid::CellTextMargin, 0, -FlexGrid::CellTextMargin, 0);
        int code = grid->CellAlignment(r, c);
        if (code < 0)
            code = r < grid->FixedRows() ? grid->FixedAlignment(c) : grid->ColAlignment(c);
        if (code < 0 || code > 8) // general: numbers to the right
            code = ReadsAsNumber(QVariant(text)) ? 7 : 1;
        const QFontMetrics metrics(grid->font());
        const int advance = metrics.horizontalAdvance(text);
        const int start = code / 3 == 0 ? inside.left()
            : code / 3 == 1             ? inside.left() + (inside.width() - advance) / 2
                                        : inside.right() + 1 - advance;
        const QRect ink = metrics.tightBoundingRect(text);
        return {start + ink.left(), start + ink.right()};
    }

    // Neighbouring texts of a players' row (figures that grow among them)
    // keep a gap seen from across the room between their letters: a
    // figure's width at the grid's font, a word's blank reading as one line.
    void checkGaps(FlexGrid* grid, long r)
    {
        if (r < grid->FixedRows() || grid->objectName() != QLatin1String("grid"))
            return;
        const int gap = std::max(VisibleGap, QFontMetrics(grid->font()).horizontalAdvance(u'0'));
        long left = -1;
        for (long c = 0; c < grid->Cols(); ++c) {
            if (grid->ColWidth(c) == 0 || grid->ShownText(r, c).isEmpty())
                continue;
            if (left >= 0 && inkAcross(grid, r, c).first - inkAcross(grid, r, left).second <= gap)
                fault(grid,
                      QStringLiteral("cell (%1, %2) \"%3\" within %4 px of \"%5\"")
                          .arg(r)
                          .arg(c)
                          .arg(grid->ShownText(r, c))
                          .arg(gap)
                          .arg(grid->ShownText(r, left)));
            left = c;
        }
    }

    QWidget* mWindow;
    QStringList mFaults;
};
