#pragma once
// Form84 "ﾃﾞｰﾀ書込み": the save dialog for the plot's graph-data CSV
// (CsvPurpose 70) and for keyboard entry's data (CsvPurpose 50). It shares
// the frame of the save dialogs; the extension rule asks before a CSV is
// written as anything but .csv, or keyboard data as anything but .dat/.txt.

#include "data/SaveDialog.h"

namespace tracol {

class Form84 : public SaveDialog, public CsvSaveDialogLink {
    Q_OBJECT
  public:
    static inline const QString kInitialPattern = QStringLiteral("*.DA*;*.TX*;*.CS*");

    Form84(SharedState& state, Windows& windows, QWidget* parent = nullptr);

    // CsvSaveDialogLink
    QWidget& window() override { return *this; }
    void open(qint16 csvPurpose, const QString& saveButtonCaption) override;

  private:
    QString titleText() const override;
    QString saveButtonCaption() const override;
    QString& rememberedPattern() override { return pattern_; }
    QString initialPattern() const override { return kInitialPattern; }
    QString nameWarning(const QString& path) const override;
    bool writesDataSets() const override { return state_.CsvPurpose == kCsvPurposeKeyboardData; }
    FileOutcome write(const QString& path) override;
    void returnToCaller() override;

    QString pattern_ = kInitialPattern;
    QString saveButtonCaption_ = QStringLiteral("CSVファイルの保存");
};

} // namespace tracol
