#include "gui/setup/frmRulesAndMessage.h"

#include "gui/controls/RichTextBox.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The format buttons' pictures, drawn for this program: a letter, or three
// lines aligned one way.
QIcon letterIcon(const QString& letter, const QFont& font)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setFont(font);
    p.drawText(pixmap.rect(), Qt::AlignCenter, letter);
    return QIcon(pixmap);
}

QIcon linesIcon(Qt::Alignment align)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(Qt::black, 2));
    const int widths[] = {16, 10, 14, 8};
    for (int i = 0; i < 4; ++i) {
        const int w = widths[i];
        const int x = align == Qt::AlignLeft ? 2 : align == Qt::AlignRight ? 18 - w : 10 - w / 2;
        p.drawLine(x, 4 + 4 * i, x + w, 4 + 4 * i);
    }
    return QIcon(pixmap);
}

QToolButton* formatButton(QWidget* parent, const char* name, const QIcon& icon)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(icon);
    b->setAutoRaise(true);
    return b;
}

} // namespace

frmRulesAndMessage::frmRulesAndMessage(QWidget* parent)
    : QDialog(parent)
    , rtbRules(new QTextEdit(this))
    , cmbFontName(new QComboBox(this))
    , cmbFontSize(new QComboBox(this))
    , Label1(new QLabel(QStringLiteral("Note that colors are set from the main Appearance menu, to keep the color "
                                       "scheme consistent with other rotating screens."),
                        this))
    , cmdOK(new QPushButton(QStringLiteral("OK"), this))
    , cmdCancel(new QPushButton(QStringLiteral("Cancel"), this))
{
    setObjectName(QStringLiteral("frmRulesAndMessage"));
    setWindowTitle(QStringLiteral("Rules"));
    rtbRules->setObjectName(QStringLiteral("rtbRules"));
    cmbFontName->setObjectName(QStringLiteral("cmbFontName"));
    cmbFontSize->setObjectName(QStringLiteral("cmbFontSize"));
    cmbFontSize->setEditable(true);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    QFont bold = font();
    bold.setBold(true);
    QFont italic = font();
    italic.setItalic(true);
    QFont underline = font();
    underline.setUnderline(true);
    cmdBold = formatButton(this, "cmdBold", letterIcon(QStringLiteral("B"), bold));
    cmdItalic = formatButton(this, "cmdItalic", letterIcon(QStringLiteral("I"), italic));
    cmdUnderline = formatButton(this, "cmdUnderline", letterIcon(QStringLiteral("U"), underline));
    cmdLeft = formatButton(this, "cmdLeft", linesIcon(Qt::AlignLeft));
    cmdCenter = formatButton(this, "cmdCenter", linesIcon(Qt::AlignHCenter));
    cmdRight = formatButton(this, "cmdRight", linesIcon(Qt::AlignRight));

    auto* tools = new QHBoxLayout;
    tools->addWidget(cmbFontName, 1);
    tools->addWidget(cmbFontSize);
    for (QToolButton* b : {cmdBold, cmdItalic, cmdUnderline, cmdLeft, cmdCenter, cmdRight})
        tools->addWidget(b);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Label1, 1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(rtbRules, 1);
    layout->addLayout(buttons);
    resize(640, 480);

    LoadCombos();

    connect(cmbFontName, &QComboBox::textActivated, this,
            [this](const QString& family) { format([&] { rtbRules->setFontFamily(family); }); });
    connect(cmbFontSize, &QComboBox::textActivated, this, [this](const QString& size) {
        bool ok = false;
        const double points = size.toDouble(&ok);
        if (ok && points > 0)
            format([&] { rtbRules->setFontPointSize(points); });
    });
    connect(cmdBold, &QToolButton::clicked, this, [this] {
        format([&] { rtbRules->setFontWeight(rtbRules->fontWeight() >= QFont::Bold ? QFont::Normal : QFont::Bold); });
    });
    connect(cmdItalic, &QToolButton::clicked, this,
            [this] { format([&] { rtbRules->setFontItalic(!rtbRules->fontItalic()); }); });
    connect(cmdUnderline, &QToolButton::clicked, this,
            [this] { format([&] { rtbRules->setFontUnderline(!rtbRules->fontUnderline()); }); });
    connect(cmdLeft, &QToolButton::clicked, this, [this] { format([&] { rtbRules->setAlignment(Qt::AlignLeft); }); });
    connect(cmdCenter, &QToolButton::clicked, this,
            [this] { format([&] { rtbRules->setAlignment(Qt::AlignHCenter); }); });
    connect(cmdRight, &QToolButton::clicked, this, [this] { format([&] { rtbRules->setAlignment(Qt::AlignRight); }); });
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        mbOKed = true;
        accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmRulesAndMessage::LoadCombos()
{
    // Filling the lists raises no change: the text keeps its look.
    const QSignalBlocker names(cmbFontName);
    const QSignalBlocker sizes(cmbFontSize);
    cmbFontName->clear();
    cmbFontName->addItems(QFontDatabase::families());
    const int times = cmbFontName->findText(QStringLiteral("Times New Roman"));
    if (times < 0)
        cmbFontName->insertItem(0, QStringLiteral("Times New Roman"));
    cmbFontName->setCurrentText(QStringLiteral("Times New Roman"));
    cmbFontSize->clear();
    for (int size = 8; size <= 72; size += 2)
        cmbFontSize->addItem(QString::number(size));
    cmbFontSize->setCurrentText(QStringLiteral("24"));
}

void frmRulesAndMessage::format(const std::function<void()>& change)
{
    change();
    rtbRules->setFocus();
}

std::optional<QString> EditRichText(QWidget* parent, const QString& caption, const QString& working)
{
    frmRulesAndMessage editor(parent);
    editor.setWindowTitle(caption);
    LoadStoredRichText(editor.rtbRules, working);
    editor.exec();
    if (!editor.mbOKed)
        return std::nullopt;
    return StoredRichText(editor.rtbRules);
}
