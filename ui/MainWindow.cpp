// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MainWindow.h"

#include "core/Texts.h"
#include "ui/Translation.h"
#include "core/SharedState.h"
#include "core/profiles/FormatCatalogue.h"
#include "ui/Fonts.h"
#include "ui/FormatComboBox.h"
#include "ui/GrowingLayout.h"
#include "ui/WindowFit.h"
#include "ui/StatusBarPanels.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QToolTip>

#include <array>

namespace {

constexpr int kClientWidth = 765;
constexpr int kClientHeight = 512;
constexpr int kBigButtonWidth = 82;
constexpr int kListWidth = 753;
constexpr std::array kColumnWidths{320, 90, 70, 60, 65, 57, 60};
constexpr int kLeastFirstColumn = 80;
// On a screen too small for the design the list gives up this much height at most.
constexpr int kMostListShrink = 120;

// The frame a window manager will put around the window, until it has.
QMargins FrameEstimate(const QWidget& window)
{
    if (window.isVisible() && window.frameGeometry() != window.geometry())
        return {window.geometry().left() - window.frameGeometry().left(),
                window.geometry().top() - window.frameGeometry().top(),
                window.frameGeometry().right() - window.geometry().right(),
                window.frameGeometry().bottom() - window.geometry().bottom()};
    const int border = 4;
    return {border, border + window.style()->pixelMetric(QStyle::PM_TitleBarHeight), border, border};
}

QToolButton* MakeBigButton(QWidget* parent, const char* name, const QString& caption, QStyle::StandardPixmap glyph, int left)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setIcon(parent->style()->standardIcon(glyph));
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setGeometry(left, 3, kBigButtonWidth, 76);
    return button;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& geometry, bool bold = false)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    if (bold)
        SetBold(*label);
    return label;
}

QComboBox* MakeCombo(QWidget* parent, const char* name, const QRect& geometry, QComboBox* combo = nullptr)
{
    if (combo == nullptr)
        combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setGeometry(geometry);
    return combo;
}

} // namespace

MainWindow::MainWindow(SharedState& state, QAbstractItemModel& files, QWidget* parent)
    : QMainWindow(parent)
    , state_(state)
{
    setObjectName("Form1");
    QFont font("MS Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    setFont(font);
    auto* client = new QWidget(this);
    client->setObjectName("ClientArea");
    client->setMinimumSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
    growing_ = new GrowingLayout(*client, QSize(kClientWidth, kClientHeight));

    buildButtonRow(client);
    buildFileList(client, files);
    buildFormatRow(client);
    buildVideoGroup(client);
    buildAudioGroup(client);
    buildGeneralGroup(client);
    buildProgressRow(client);
    buildMenus();
    buildShortcuts();
    createControls();
    fitLabels();
}

// One labelled drop-down list inside a settings group, row 0 to 3; a group
// of five rows (or of three and the volume) sets them closer.
QComboBox* MainWindow::makeGroupCombo(QGroupBox* group, const char* name, const QString& label, int row, int labelWidth,
                                      int comboWidth, int rows)
{
    const int top = rows > 4 ? 18 + row * 22 : 22 + row * 26;
    QLabel* caption = MakeLabel(group, label, QRect(10, top + 2, labelWidth, 17));
    QComboBox* combo = MakeCombo(group, name, QRect(10 + labelWidth, top, comboWidth, 21));
    labelledFields_.push_back({caption, combo, caption->geometry(), combo->geometry()});
    return combo;
}

void MainWindow::buildButtonRow(QWidget* client)
{
    addFilesButton_ = MakeBigButton(client, "AddFileButton", Tr(texts::kAddFilesCaption), QStyle::SP_FileDialogNewFolder, 12);
    stopButton_ = MakeBigButton(client, "StopConvertButton", Tr(texts::kStopConvertCaption), QStyle::SP_MediaStop, 108);
    convertButton_ = MakeBigButton(client, "ConvertNowButton", Tr(texts::kConvertNowCaption), QStyle::SP_MediaPlay, 204);
    auto* divider = new QFrame(client);
    divider->setObjectName("Panel1");
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Sunken);
    divider->setGeometry(309, 8, 3, 66);
    removeButton_ = MakeBigButton(client, "RemoveButton", Tr(texts::kRemoveCaption), QStyle::SP_DialogDiscardButton, 330);
    clearAllButton_ = MakeBigButton(client, "ClearAllButton", Tr(texts::kClearAllCaption), QStyle::SP_TrashIcon, 426);
    connect(addFilesButton_, &QToolButton::clicked, this, &MainWindow::addFilesRequested);
    connect(stopButton_, &QToolButton::clicked, this, &MainWindow::stopRequested);
    connect(convertButton_, &QToolButton::clicked, this, &MainWindow::convertRequested);
    connect(removeButton_, &QToolButton::clicked, this, &MainWindow::removeRequested);
    connect(clearAllButton_, &QToolButton::clicked, this, &MainWindow::clearAllRequested);
}

void MainWindow::buildFileList(QWidget* client, QAbstractItemModel& files)
{
    fileList_ = new QTableView(client);
    fileList_->setObjectName("ListView1");
    fileList_->setModel(&files);
    growing_->place(fileList_, QRect(4, 84, 753, 190), kWider | kTaller);
    for (int column = 0; column < static_cast<int>(kColumnWidths.size()); ++column)
        fileList_->setColumnWidth(column, kColumnWidths[column]);
    firstColumnBase_ = kColumnWidths[0];
    connect(fileList_->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        if (column == 0 && !fittingColumn_)
            firstColumnBase_ = width - (fileList_->width() - kListWidth);
    });
    fileList_->verticalHeader()->hide();
    fileList_->verticalHeader()->setDefaultSectionSize(18);
    fileList_->setShowGrid(true);
    fileList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    fileList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    fileList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fileList_->setContextMenuPolicy(Qt::CustomContextMenu);
    // Tab leaves the list; a long path keeps its file name in sight.
    fileList_->setTabKeyNavigation(false);
    fileList_->setWordWrap(false);
    fileList_->setTextElideMode(Qt::ElideMiddle);
    fileList_->viewport()->installEventFilter(this);
    fileList_->installEventFilter(this);
    connect(fileList_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { emit rowDoubleClicked(index.row()); });
}

void MainWindow::buildFormatRow(QWidget* client)
{
    QLabel* formatLabel = MakeLabel(client, Tr(texts::kOutputFormatLabel), QRect(7, 286, 98, 17), true);
    formatLabel->setObjectName("Label2");
    growing_->place(formatLabel, formatLabel->geometry(), kMoveDown);
    formatCombo_ = MakeCombo(client, "ComboOutputFormat", QRect(105, 282, 301, 24), new FormatComboBox(client));
    growing_->place(formatCombo_, formatCombo_->geometry(), kMoveDown);
    labelledFields_.push_back({formatLabel, formatCombo_, formatLabel->geometry(), formatCombo_->geometry()});
    QLabel* outputDirLabel = MakeLabel(client, Tr(texts::kOutputDirectoryLabel), QRect(416, 286, 116, 17), true);
    outputDirLabel->setObjectName("Label1");
    growing_->place(outputDirLabel, outputDirLabel->geometry(), kMoveDown);
    outputDirEdit_ = new QLineEdit(client);
    outputDirEdit_->setObjectName("Edit1");
    growing_->place(outputDirEdit_, QRect(525, 282, 181, 24), kMoveDown | kWider);
    outputDirEdit_->setReadOnly(true);
    outputDirEdit_->setEnabled(false);
    // The disabled field shows no hint of its own; its label names the whole folder.
    connect(outputDirEdit_, &QLineEdit::textChanged, outputDirLabel, [outputDirLabel](const QString& folder) {
        outputDirLabel->setToolTip(folder + '\n' + texts::kOutputDirectoryHint);
    });
    labelledFields_.push_back({outputDirLabel, outputDirEdit_, outputDirLabel->geometry(), outputDirEdit_->geometry()});
    browseFolderButton_ = new QToolButton(client);
    browseFolderButton_->setObjectName("ButtonBrowseForFolder");
    browseFolderButton_->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    growing_->place(browseFolderButton_, QRect(711, 280, 40, 28), kMoveDown | kMoveRight);
    connect(browseFolderButton_, &QToolButton::clicked, this, &MainWindow::browseFolderRequested);
}

void MainWindow::buildVideoGroup(QWidget* client)
{
    auto* group = new QGroupBox(Tr(texts::kVideoSettingsGroup), client);
    group->setObjectName("GroupBox1");
    growing_->place(group, QRect(14, 315, 285, 133), kMoveDown);
    constexpr int kRows = 5;
    makeGroupCombo(group, "ComboVideoCodec", Tr(texts::kVideoCodecLabel), 0, 105, 160, kRows);
    makeGroupCombo(group, "ComboVideoSize", Tr(texts::kVideoSizeLabel), 1, 105, 160, kRows);
    makeGroupCombo(group, "ComboVideoBitrate", Tr(texts::kVideoBitrateLabel), 2, 105, 160, kRows);
    makeGroupCombo(group, "ComboVideoFramerate", Tr(texts::kVideoFramerateLabel), 3, 105, 160, kRows);
    QComboBox* hdr = makeGroupCombo(group, "ComboHdr", Tr(texts::kHdrLabel), 4, 105, 160, kRows);
    hdr->setToolTip(Tr(texts::kHdrHint));
}

void MainWindow::buildAudioGroup(QWidget* client)
{
    auto* group = new QGroupBox(Tr(texts::kAudioSettingsGroup), client);
    group->setObjectName("GroupBox2");
    growing_->place(group, QRect(309, 315, 219, 133), kMoveDown);
    constexpr int kRows = 5;
    makeGroupCombo(group, "ComboAudioCodec", Tr(texts::kAudioCodecLabel), 0, 98, 106, kRows);
    makeGroupCombo(group, "ComboAudioBitrate", Tr(texts::kAudioBitrateLabel), 1, 98, 106, kRows);
    QComboBox* channels = makeGroupCombo(group, "ComboAudioChannel", Tr(texts::kAudioChannelsLabel), 2, 98, 106, kRows);
    makeGroupCombo(group, "ComboSamplingRate", Tr(texts::kSamplingRateLabel), 3, 98, 106, kRows);
    QComboBox* loudness = makeGroupCombo(group, "ComboLoudness", Tr(texts::kLoudnessLabel), 4, 98, 106, kRows);
    loudness->setToolTip(Tr(texts::kLoudnessHint));
    channels->addItems({texts::kStereo, texts::kMono});
    channels->setCurrentIndex(0);
}

void MainWindow::buildGeneralGroup(QWidget* client)
{
    auto* group = new QGroupBox(Tr(texts::kGeneralSettingsGroup), client);
    group->setObjectName("GroupBox3");
    growing_->place(group, QRect(538, 315, 213, 133), kMoveDown);
    // Three lists and the volume: the rows set as close as in a group of five.
    constexpr int kRows = 5;
    QComboBox* letterBox = makeGroupCombo(group, "ComboLetterBox", Tr(texts::kVideoZoomLabel), 0, 90, 108, kRows);
    letterBox->setToolTip(Tr(texts::kLetterBoxHint));
    QComboBox* muteAudio = makeGroupCombo(group, "ComboMuteAudio", Tr(texts::kMuteAudioLabel), 1, 90, 108, kRows);
    muteAudio->addItems({texts::kFalse, texts::kTrue});
    muteAudio->setCurrentIndex(0);
    QComboBox* crop = makeGroupCombo(group, "ComboCrop", Tr(texts::kCropLabel), 2, 90, 108, kRows);
    crop->setToolTip(Tr(texts::kCropHint));
    QLabel* volumeCaption = MakeLabel(group, Tr(texts::kVolumeLabel), QRect(10, 88, 86, 17));
    volumeSlider_ = new QSlider(Qt::Horizontal, group);
    volumeSlider_->setObjectName("TrackBar1");
    volumeSlider_->setGeometry(96, 84, 110, 24);
    labelledFields_.push_back({volumeCaption, volumeSlider_, volumeCaption->geometry(), volumeSlider_->geometry()});
    volumeSlider_->setRange(0, 10);
    volumeSlider_->setPageStep(1);
    volumeSlider_->setTickPosition(QSlider::TicksBelow);
    volumeSlider_->setValue(5);
    volumeSlider_->setToolTip(Tr(texts::kVolumeHint));
    volumeLabel_ = MakeLabel(group, Tr(texts::kFullVolume), QRect(136, 108, 40, 17));
    volumeLabel_->setObjectName("Label14");
}

void MainWindow::buildProgressRow(QWidget* client)
{
    progressBar_ = new QProgressBar(client);
    progressBar_->setObjectName("ProgressBar1");
    growing_->place(progressBar_, QRect(69, 462, 585, 16), kMoveDown | kWider);
    progressBar_->setRange(0, 100);
    progressBar_->setValue(0);
    progressBar_->setTextVisible(false);
    smallStopButton_ = new QToolButton(client);
    smallStopButton_->setObjectName("ButtonStopSmall");
    smallStopButton_->setText(Tr(texts::kSmallStopCaption));
    growing_->place(smallStopButton_, QRect(671, 456, 77, 28), kMoveDown | kMoveRight);
    connect(smallStopButton_, &QToolButton::clicked, stopButton_, &QToolButton::click);

    auto* statusBar = new QStatusBar(client);
    statusBar->setObjectName("StatusBar1");
    statusBar->setSizeGripEnabled(false);
    growing_->place(statusBar, QRect(0, kClientHeight - 22, kClientWidth, 22), kMoveDown | kWider);
    statusPanels_ = new StatusBarPanels(*statusBar);
    statusPanels_->setText(0, Tr(texts::kReady));

    lineBuffer_ = new QPlainTextEdit(client);
    lineBuffer_->setObjectName("Memo1");
    lineBuffer_->setGeometry(kClientWidth + 8, 0, 545, 89);
}

void MainWindow::buildMenus()
{
    auto addAction = [this](QMenu* menu, const char* name, const QString& text, QStyle::StandardPixmap glyph) {
        auto* action = menu->addAction(style()->standardIcon(glyph), text);
        action->setObjectName(name);
        return action;
    };
    QMenu* file = menuBar()->addMenu(Tr(texts::kFileMenu));
    addFilesAction_ = addAction(file, "AddFiles1", Tr(texts::kAddFilesCaption), QStyle::SP_FileDialogNewFolder);
    file->addSeparator();
    convertAction_ = addAction(file, "Convert1", Tr(texts::kConvertEntry), QStyle::SP_MediaPlay);
    QAction* openOutputFolder = addAction(file, "OpenOutputFolder1", Tr(texts::kOpenOutputFolder), QStyle::SP_DirOpenIcon);
    QAction* conversionLog = addAction(file, "ConversionLog1", Tr(texts::kConversionLogEntry), QStyle::SP_FileDialogContentsView);
    file->addSeparator();
    exitAction_ = addAction(file, "Exit1", Tr(texts::kExitEntry), QStyle::SP_DialogCloseButton);
    QMenu* options = menuBar()->addMenu(Tr(texts::kOptionsMenu));
    optionsAction_ = addAction(options, "SetGeneralOptions1", Tr(texts::kSetAdditionalOptionsEntry), QStyle::SP_FileDialogDetailedView);
    QMenu* help = menuBar()->addMenu(Tr(texts::kHelpMenu));
    helpAction_ = addAction(help, "OpenHelpFile1", Tr(texts::kOpenHelpFileEntry), QStyle::SP_DialogHelpButton);
    help->addSeparator();
    websiteAction_ = addAction(help, "VisitOurWebsite1", Tr(texts::kVisitWebsiteEntry), QStyle::SP_DriveNetIcon);
    help->addSeparator();
    aboutAction_ = addAction(help, "About1", Tr(texts::kAboutEntry), QStyle::SP_MessageBoxInformation);

    connect(addFilesAction_, &QAction::triggered, addFilesButton_, &QToolButton::click);
    connect(convertAction_, &QAction::triggered, convertButton_, &QToolButton::click);
    connect(openOutputFolder, &QAction::triggered, this, &MainWindow::openOutputFolderRequested);
    connect(conversionLog, &QAction::triggered, this, &MainWindow::conversionLogRequested);
    connect(optionsAction_, &QAction::triggered, this, &MainWindow::optionsRequested);
    connect(helpAction_, &QAction::triggered, this, &MainWindow::helpRequested);
    connect(websiteAction_, &QAction::triggered, this, &MainWindow::websiteRequested);
    connect(aboutAction_, &QAction::triggered, this, &MainWindow::aboutRequested);
    // Exit leaves the event loop at once, without a close request, keeping
    // the settings as the close box does.
    connect(exitAction_, &QAction::triggered, this, [this] {
        emit closing();
        QCoreApplication::exit(0);
    });
}

void MainWindow::buildShortcuts()
{
    addFilesAction_->setShortcut(QKeySequence::Open);
    convertAction_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    helpAction_->setShortcut(QKeySequence(Qt::Key_F1));
    exitAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // Buttons ignore clicks while disabled, so the keys follow the busy lock.
    auto* remove = new QShortcut(QKeySequence::Delete, this);
    connect(remove, &QShortcut::activated, removeButton_, &QToolButton::click);
    // Stop Convert asks first and does nothing outside a batch.
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_Period)}) {
        auto* stop = new QShortcut(keys, this);
        connect(stop, &QShortcut::activated, stopButton_, &QToolButton::click);
    }
}

void MainWindow::createControls()
{
    // Hints stay up for 30 seconds.
    for (auto* widget : findChildren<QWidget*>())
        widget->setToolTipDuration(30000);
    QComboBox* letterBox = findChild<QComboBox*>("ComboLetterBox");
    letterBox->addItems({texts::kNone, texts::kLetterBox});
    letterBox->setCurrentIndex(1);
    for (int index = 0; index < FormatCount(); ++index)
        formatCombo_->addItem(QString::fromStdString(FormatText(index)));
    formatCombo_->setMaxVisibleItems(FormatCount());
    formatCombo_->setCurrentIndex(0);
    setWindowTitle(texts::kMainCaption);
    outputDirEdit_->setText(QDir::homePath() + texts::kDefaultOutputSubdir);
    lineBuffer_->hide();
    setBatchRunning(false);
}

void MainWindow::fitLabels()
{
    // Each label takes the width its text needs; a field that would touch it
    // gives up room on its left and keeps its right edge.
    constexpr int kGap = 4;
    for (const LabelledField& pair : labelledFields_) {
        QRect label = pair.labelRect;
        label.setWidth(pair.label->sizeHint().width());
        pair.label->setGeometry(label);
        growing_->replace(pair.label, label);
        QRect field = pair.fieldRect;
        field.setLeft(std::max(field.left(), label.right() + 1 + kGap));
        pair.field->setGeometry(field);
        growing_->replace(pair.field, field);
    }
    // A big button grows to the right into the gap before its neighbour.
    for (QToolButton* button : {addFilesButton_, stopButton_, convertButton_, removeButton_, clearAllButton_})
        button->resize(std::max(kBigButtonWidth, button->sizeHint().width()), button->height());
}

ProfileControls MainWindow::profileControls() const
{
    ProfileControls controls{formatCombo_, {}, volumeSlider_, volumeLabel_};
    for (std::size_t slot = 0; slot < kOptionListSlots.size(); ++slot)
        controls.lists[slot] = findChild<QComboBox*>(kOptionListSlots[slot].controlName);
    return controls;
}

QString MainWindow::outputDir() const
{
    return outputDirEdit_->text();
}

void MainWindow::setOutputDir(const QString& folder)
{
    outputDirEdit_->setText(folder);
}

int MainWindow::formatIndex() const
{
    return formatCombo_->currentIndex();
}

void MainWindow::setFormatIndex(int index)
{
    const QSignalBlocker blocker(formatCombo_);
    formatCombo_->setCurrentIndex(index);
}

int MainWindow::letterBoxIndex() const
{
    return findChild<QComboBox*>("ComboLetterBox")->currentIndex();
}

void MainWindow::setLetterBoxIndex(int index)
{
    QComboBox* letterBox = findChild<QComboBox*>("ComboLetterBox");
    const QSignalBlocker blocker(letterBox);
    letterBox->setCurrentIndex(index);
}

void MainWindow::setStartControlsEnabled(bool enabled)
{
    convertButton_->setEnabled(enabled);
    addFilesButton_->setEnabled(enabled);
}

void MainWindow::setBatchRunning(bool running)
{
    stopButton_->setEnabled(running);
    smallStopButton_->setEnabled(running);
    browseFolderButton_->setEnabled(!running);
    // The busy lock's release gives the slider back as the format allows.
    if (running)
        volumeSlider_->setEnabled(false);
}

bool MainWindow::addFilesEnabled() const
{
    return addFilesButton_->isEnabled() && addFilesAction_->isEnabled();
}

void MainWindow::setBusy(bool busy)
{
    const bool enabled = !busy;
    for (QWidget* widget : {static_cast<QWidget*>(formatCombo_), static_cast<QWidget*>(clearAllButton_),
                            static_cast<QWidget*>(removeButton_)})
        widget->setEnabled(enabled);
    for (QAction* action :
         {addFilesAction_, convertAction_, exitAction_, helpAction_, websiteAction_, aboutAction_, optionsAction_})
        action->setEnabled(enabled);
}

void MainWindow::setProgress(int position)
{
    progressBar_->setValue(std::clamp(position, 0, 100));
}

void MainWindow::scrollToRow(int row)
{
    const QModelIndex index = fileList_->model()->index(row, 0);
    if (index.isValid())
        fileList_->scrollTo(index, QAbstractItemView::EnsureVisible);
}

QSize MainWindow::designSize() const
{
    return {kClientWidth, kClientHeight + menuBar()->sizeHint().height()};
}

void MainWindow::centreOnScreen()
{
    const QScreen* screen = this->screen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = FrameEstimate(*this);
    const QSize room = area.marginsRemoved(frame).size();
    const QSize design = designSize();
    centralWidget()->setMinimumSize(std::min(kClientWidth, room.width()),
                                    std::clamp(kClientHeight - (design.height() - room.height()),
                                               kClientHeight - kMostListShrink, kClientHeight));
    QRect wanted(QPoint(), design);
    wanted.moveCenter(area.center());
    if (savedPlacement_) {
        wanted = QRect(savedPlacement_->left, savedPlacement_->top, savedPlacement_->width, savedPlacement_->height);
        const std::vector<int>& widths = savedPlacement_->columnWidths;
        for (int column = 0; column < static_cast<int>(widths.size()) && column < fileList_->model()->columnCount();
             ++column)
            fileList_->setColumnWidth(column, widths[column]);
        if (!widths.empty())
            firstColumnBase_ = widths[0] - (savedPlacement_->width - kClientWidth);
    }
    setGeometry(FitInArea(QRect(wanted.topLeft(), wanted.size().expandedTo(minimumSizeHint())), area, frame));
    if (savedPlacement_ && savedPlacement_->maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

WindowPlacement MainWindow::placement() const
{
    const QRect normal = isMaximized() ? normalGeometry() : geometry();
    WindowPlacement placement{normal.left(), normal.top(), normal.width(), normal.height(), isMaximized(), {}};
    for (int column = 0; column < fileList_->model()->columnCount(); ++column)
        placement.columnWidths.push_back(fileList_->columnWidth(column));
    return placement;
}

void MainWindow::setSavedPlacement(const WindowPlacement& placement)
{
    savedPlacement_ = placement;
}

void MainWindow::fitFirstColumn()
{
    fittingColumn_ = true;
    fileList_->setColumnWidth(0, std::max(kLeastFirstColumn, firstColumnBase_ + fileList_->width() - kListWidth));
    fittingColumn_ = false;
}

bool MainWindow::event(QEvent* event)
{
    // The window's own font is set before its controls exist.
    if (event->type() == QEvent::FontChange && clearAllButton_ != nullptr)
        fitLabels();
    return QMainWindow::event(event);
}

bool MainWindow::showPathTip(QHelpEvent* help)
{
    const QModelIndex index = fileList_->indexAt(help->pos());
    if (!index.isValid() || index.column() != 0 || !index.data(Qt::ToolTipRole).toString().isEmpty())
        return false;
    QToolTip::showText(help->globalPos(), index.data().toString(), fileList_->viewport());
    return true;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == fileList_ && event->type() == QEvent::Resize)
        fitFirstColumn();
    if (watched == fileList_->viewport() && event->type() == QEvent::ToolTip && showPathTip(static_cast<QHelpEvent*>(event)))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

QString MainWindow::statusPanelText(int panel) const
{
    return statusPanels_->text(panel);
}

void MainWindow::setStatusPanelText(int panel, const QString& text)
{
    statusPanels_->setText(panel, text);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        emit shown();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (state_.isConverting || state_.shutdownPending) {
        if (state_.isConverting)
            statusPanels_->showNotice(texts::kStopBatchFirst);
        event->ignore();
        return;
    }
    emit closing();
    event->accept();
}
