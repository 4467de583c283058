// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/document_text.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMetaObject>
#include <QValidator>

#include "ports/prompts.h"

namespace {

constexpr char32_t LastLatin1Character = 0xFF;

class TLatin1Validator final : public QValidator {
 public:
  TLatin1Validator(Prompts& prompts, QObject* parent) : QValidator(parent), prompts_(prompts) {}

  State validate(QString& input, int& /*position*/) const override {
    for (const char32_t c : input.toUcs4()) {
      if (c > LastLatin1Character) {
        Explain(c);
        return Invalid;
      }
    }
    return Acceptable;
  }

 private:
  // Told after the field has finished turning the edit away, and once for an
  // edit that the field checks more than once.
  void Explain(char32_t refused) const {
    if (explaining_) return;
    explaining_ = true;
    const std::string text = "The character \"" + QString::fromUcs4(&refused, 1).toStdString() +
                             "\" cannot be stored: a Morvit document holds only Latin-1 "
                             "(ISO 8859-1) characters.";
    auto* self = const_cast<TLatin1Validator*>(this);
    QMetaObject::invokeMethod(
        self,
        [self, text] {
          ShowError(self->prompts_, text);
          self->explaining_ = false;
        },
        Qt::QueuedConnection);
  }

  Prompts& prompts_;
  mutable bool explaining_ = false;
};

}  // namespace

QString DocumentText(const std::string& bytes) {
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string DocumentBytes(const QString& text) { return text.toLatin1().toStdString(); }

void KeepDocumentText(QLineEdit* field, Prompts& prompts) {
  field->setValidator(new TLatin1Validator(prompts, field));
}

void KeepDocumentText(QComboBox* field, Prompts& prompts) {
  field->setValidator(new TLatin1Validator(prompts, field));
}
