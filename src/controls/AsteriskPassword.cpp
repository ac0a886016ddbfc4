#include "AsteriskPassword.h"

#include <QLineEdit>
#include <QProxyStyle>

namespace {

class AsteriskStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

}  // namespace

// A box with a style sheet reads its mask only when its style changes; a style of its own
// is such a change, and the style sheet is laid over it.
void ShowPasswordAsAsterisks(QLineEdit* box) {
    auto* style = new AsteriskStyle;
    style->setParent(box);
    box->setStyle(style);
}
