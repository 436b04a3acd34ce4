#pragma once
// Form24 "ﾃﾞｰﾀ書込み": the save dialog for data sets and result files. The
// window that needs a file opens it with the save kind and itself as the
// caller; the dialog asks for the name, confirms, writes and hands control back.

#include "data/SaveDialog.h"

namespace tracol {

class Form24 : public SaveDialog, public SaveDialogLink {
    Q_OBJECT
  public:
    Form24(SharedState& state, Windows& windows, QWidget* parent = nullptr);

    // SaveDialogLink
    QWidget& window() override { return *this; }
    void open(qint16 saveKind, qint16 caller) override;

  private:
    QString titleText() const override;
    QString saveButtonCaption() const override;
    QString& rememberedPattern() override { return state_.DataPattern; }
    QString initialPattern() const override { return kInitialDataPattern; }
    FileOutcome write(const QString& path) override;
    void returnToCaller() override;
};

} // namespace tracol
