#pragma once
// Stand-ins for the windows a data window talks to, so that one window can be
// tested on its own. Each registers its link with the hub and records what
// was asked of it; the ones with controls name them as the real windows do.

#include "core/SharedState.h"
#include "tests/common/FireTimer.h"
#include "ui/ControlFactory.h"
#include "ui/PictureBox.h"
#include "ui/Windows.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <array>

namespace tracol::testing {

// Form20 with its Line selectors Option1(0..9) and its sampling button Command5.
struct MainWindowStandIn : QWidget, MainWindowLink {
    std::array<QRadioButton*, kLineCount> lineSelectors{};
    QPushButton* samplingButton = nullptr;
    bool liveReadout = false;
    bool followingDataSet = false;
    int comeBacks = 0;

    explicit MainWindowStandIn(Windows& windows) {
        setObjectName(QStringLiteral("Form20"));
        for (int k = 0; k < kLineCount; ++k)
            lineSelectors[k] = named(new QRadioButton(this), indexedName(QStringLiteral("Option1"), k));
        samplingButton = named(new QPushButton(this), QStringLiteral("Command5"));
        samplingButton->setEnabled(false);
        resize(200, 525);
        windows.form20 = this;
        windows.mainWindowLink = this;
    }
    QWidget& window() override { return *this; }
    int selectedLine() const override {
        for (int k = 0; k < kLineCount; ++k)
            if (lineSelectors[k]->isChecked())
                return k + 1;
        return 0;
    }
    void selectLine(int line) override { lineSelectors[line - 1]->setChecked(true); }
    void startLiveReadout() override { liveReadout = true; }
    void stopLiveReadout() override { liveReadout = false; }
    void startFollowingDataSet() override { followingDataSet = true; }
    void enableSamplingButton() override { samplingButton->setEnabled(true); }
    AxisKind chosenAxisKind(Axis) const override { return AxisKind::Linear; }
    void takeNewImage() override {}
    void comeBackFromKeyboardEntry() override {
        ++comeBacks;
        showWindow(this);
    }
    void comeBack() override {
        ++comeBacks;
        showWindow(this);
    }
    void requestExit() override {}
};

// MDIForm20: a picture and a caption.
struct ImageWindowStandIn : QWidget, ImageWindowLink {
    PictureBox* box = new PictureBox(this);

    explicit ImageWindowStandIn(Windows& windows) {
        setObjectName(QStringLiteral("MDIForm20"));
        windows.mdiForm20 = this;
        windows.imageWindowLink = this;
    }
    QWidget& window() override { return *this; }
    PictureBox& pictureBox() override { return *box; }
    void showAtStart() override { show(); }
    void layOutPicture() override {}
    void showImage(const QImage& image, const QString& caption) override {
        box->setPicture(image);
        setWindowTitle(caption);
        show();
    }
    void showFloatingLabel(const QString&) override {}
    void hideFloatingLabel() override {}
    void setFloatingLabelText(const QString&) override {}
    void hideCursorFollowers() override {}
    void followCursor() override {}
    void updateMarkSize() override {}
    void drawMark(double, double, const QColor&) override {}
    void drawXAxisLine() override {}
    void drawYAxisLine() override {}
    void setZoom(Zoom) override {}
    void setPointMarkersShown(bool) override {}
    void refreshPointMarkers() override {}
    void showTraceCommand(QAction&) override {}
};

// Form21, as the dialogs return to it.
struct DataSetWindowStandIn : QWidget, DataSetWindowLink {
    int line = 1;
    QString parameter;
    int comeBacks = 0;

    explicit DataSetWindowStandIn(Windows& windows) {
        setObjectName(QStringLiteral("Form21"));
        windows.form21 = this;
        windows.dataSetLink = this;
    }
    QWidget& window() override { return *this; }
    int selectedLine() const override { return line; }
    QString parameterText() const override { return parameter; }
    void followMainWindowLine(int) override {}
    void beginSampling(const QPoint&, int) override {}
    void setSampledText(Axis, const QString&) override {}
    void showPointCount(int) override {}
    void showLinesReset() override {}
    void showLoadedFile(const QString&) override {}
    void takeMainWindowsPlace() override {}
    void showMessage(const QString&) override {}
    void comeBack() override {
        ++comeBacks;
        showWindow(this);
    }
};

// Form22: the open dialog a data window hands over to.
struct OpenDialogStandIn : QWidget, OpenDialogLink {
    qint16 purpose = 0;

    explicit OpenDialogStandIn(Windows& windows) {
        setObjectName(QStringLiteral("Form22"));
        windows.form22 = this;
        windows.openDialogLink = this;
    }
    QWidget& window() override { return *this; }
    void open(qint16 openPurpose) override {
        purpose = openPurpose;
        show();
    }
    bool openPath(const QString&) override { return false; }
    bool takeImage(QWidget&, const QImage&, const QString&, const QString&) override { return false; }
};

// Form33: opened by the data windows, shown and told who opened it.
struct ComputationScreenStandIn : QWidget, ComputationScreenLink {
    qint16 openedBy = 0;
    int comeBacks = 0;

    explicit ComputationScreenStandIn(Windows& windows) {
        setObjectName(QStringLiteral("Form33"));
        windows.form33 = this;
        windows.computationLink = this;
    }
    QWidget& window() override { return *this; }
    void openFrom(qint16 caller) override {
        openedBy = caller;
        show();
    }
    void comeBack() override {
        ++comeBacks;
        show();
    }
    void restartColourAnimation() override {}
    void computationAborted() override {}
    void plotScreenClosed() override {}
};

// Form84: the keyboard entry's save dialog.
struct CsvSaveDialogStandIn : QWidget, CsvSaveDialogLink {
    qint16 purpose = 0;
    QString caption;

    explicit CsvSaveDialogStandIn(Windows& windows) {
        setObjectName(QStringLiteral("Form84"));
        windows.form84 = this;
        windows.csvSaveDialogLink = this;
    }
    QWidget& window() override { return *this; }
    void open(qint16 csvPurpose, const QString& saveButtonCaption) override {
        purpose = csvPurpose;
        caption = saveButtonCaption;
        show();
    }
};

} // namespace tracol::testing
