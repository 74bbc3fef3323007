#include "gui/controls/TypedLength.h"

#include <QLineEdit>
#include <algorithm>

namespace {

constexpr char TypedMaxLengthProperty[] = "typedMaxLength";

// The box's own limit is the typed one, raised to the length of the text it
// holds: the text is never cut and cannot grow past the typed limit.
void fitMaxLength(QLineEdit* box, const QString& text)
{
    box->setMaxLength(std::max(box->property(TypedMaxLengthProperty).toInt(), int(text.size())));
}

} // namespace

void SetTypedMaxLength(QLineEdit* box, int maxLength)
{
    box->setProperty(TypedMaxLengthProperty, maxLength);
    fitMaxLength(box, box->text());
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString& text) { fitMaxLength(box, text); });
}

void SetTextWhole(QLineEdit* box, const QString& text)
{
    if (box->property(TypedMaxLengthProperty).isValid())
        fitMaxLength(box, text);
    box->setText(text);
}
