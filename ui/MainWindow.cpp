#include "ui/MainWindow.h"

#include "core/Texts.h"
#include "core/SharedState.h"
#include "core/profiles/FormatCatalogue.h"
#include "ui/Fonts.h"
#include "ui/FormatComboBox.h"
#include "ui/ProfileView.h"
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
#include <QSlider>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QToolTip>

namespace {

constexpr int kClientWidth = 765;
constexpr int kClientHeight = 512;
constexpr int kBigButtonWidth = 82;

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

MainWindow::MainWindow(SharedState& state, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , state_(state)
{
    setObjectName("Form1");
    QFont font("MS Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    setFont(font);
    auto* client = new QWidget(this);
    client->setObjectName("ClientArea");
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    buildButtonRow(client);
    buildFileList(client);
    buildFormatRow(client);
    buildVideoGroup(client);
    buildAudioGroup(client);
    buildGeneralGroup(client);
    buildProgressRow(client);
    buildMenus();
    buildShortcuts();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    createControls();
    fitLabels();
}

// One labelled drop-down list inside a settings group, row 0 to 3.
QComboBox* MainWindow::makeGroupCombo(QGroupBox* group, const char* name, const QString& label, int row, int labelWidth,
                                      int comboWidth)
{
    const int top = 22 + row * 26;
    QLabel* caption = MakeLabel(group, label, QRect(10, top + 2, labelWidth, 17));
    QComboBox* combo = MakeCombo(group, name, QRect(10 + labelWidth, top, comboWidth, 21));
    labelledFields_.push_back({caption, combo, caption->geometry(), combo->geometry()});
    return combo;
}

void MainWindow::buildButtonRow(QWidget* client)
{
    addFilesButton = MakeBigButton(client, "AddFileButton", texts::kAddFilesCaption, QStyle::SP_FileDialogNewFolder, 12);
    stopButton = MakeBigButton(client, "StopConvertButton", texts::kStopConvertCaption, QStyle::SP_MediaStop, 108);
    convertButton = MakeBigButton(client, "ConvertNowButton", texts::kConvertNowCaption, QStyle::SP_MediaPlay, 204);
    auto* divider = new QFrame(client);
    divider->setObjectName("Panel1");
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Sunken);
    divider->setGeometry(309, 8, 3, 66);
    removeButton = MakeBigButton(client, "RemoveButton", texts::kRemoveCaption, QStyle::SP_DialogDiscardButton, 330);
    clearAllButton = MakeBigButton(client, "ClearAllButton", texts::kClearAllCaption, QStyle::SP_TrashIcon, 426);
}

void MainWindow::buildFileList(QWidget* client)
{
    fileList = new QTableWidget(0, 7, client);
    fileList->setObjectName("ListView1");
    fileList->setGeometry(4, 84, 753, 190);
    fileList->setHorizontalHeaderLabels(
        {texts::kColumnCaptions.begin(), texts::kColumnCaptions.end()});
    const int widths[] = {320, 90, 70, 60, 65, 57, 60};
    for (int column = 0; column < 7; ++column)
        fileList->setColumnWidth(column, widths[column]);
    fileList->horizontalHeaderItem(0)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fileList->verticalHeader()->hide();
    fileList->verticalHeader()->setDefaultSectionSize(18);
    fileList->setShowGrid(true);
    fileList->setSelectionBehavior(QAbstractItemView::SelectRows);
    fileList->setSelectionMode(QAbstractItemView::SingleSelection);
    fileList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fileList->setContextMenuPolicy(Qt::CustomContextMenu);
    // Tab leaves the list; a long path keeps its file name in sight.
    fileList->setTabKeyNavigation(false);
    fileList->setWordWrap(false);
    fileList->setTextElideMode(Qt::ElideMiddle);
    fileList->viewport()->installEventFilter(this);
}

void MainWindow::buildFormatRow(QWidget* client)
{
    QLabel* formatLabel = MakeLabel(client, texts::kOutputFormatLabel, QRect(7, 286, 98, 17), true);
    formatLabel->setObjectName("Label2");
    formatCombo = MakeCombo(client, "ComboOutputFormat", QRect(105, 282, 301, 24), new FormatComboBox(client));
    labelledFields_.push_back({formatLabel, formatCombo, formatLabel->geometry(), formatCombo->geometry()});
    outputDirLabel = MakeLabel(client, texts::kOutputDirectoryLabel, QRect(416, 286, 116, 17), true);
    outputDirLabel->setObjectName("Label1");
    outputDirEdit = new QLineEdit(client);
    outputDirEdit->setObjectName("Edit1");
    outputDirEdit->setGeometry(525, 282, 181, 24);
    outputDirEdit->setReadOnly(true);
    outputDirEdit->setEnabled(false);
    // The disabled field shows no hint of its own; its label names the whole folder.
    connect(outputDirEdit, &QLineEdit::textChanged, outputDirLabel,
            [this](const QString& folder) { outputDirLabel->setToolTip(folder + '\n' + texts::kOutputDirectoryHint); });
    labelledFields_.push_back({outputDirLabel, outputDirEdit, outputDirLabel->geometry(), outputDirEdit->geometry()});
    browseFolderButton = new QToolButton(client);
    browseFolderButton->setObjectName("ButtonBrowseForFolder");
    browseFolderButton->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    browseFolderButton->setGeometry(711, 280, 40, 28);
}

void MainWindow::buildVideoGroup(QWidget* client)
{
    auto* group = new QGroupBox(texts::kVideoSettingsGroup, client);
    group->setObjectName("GroupBox1");
    group->setGeometry(14, 315, 285, 133);
    videoCodecCombo = makeGroupCombo(group, "ComboVideoCodec", texts::kVideoCodecLabel, 0, 105, 160);
    videoSizeCombo = makeGroupCombo(group, "ComboVideoSize", texts::kVideoSizeLabel, 1, 105, 160);
    videoBitrateCombo = makeGroupCombo(group, "ComboVideoBitrate", texts::kVideoBitrateLabel, 2, 105, 160);
    frameRateCombo = makeGroupCombo(group, "ComboVideoFramerate", texts::kVideoFramerateLabel, 3, 105, 160);
}

void MainWindow::buildAudioGroup(QWidget* client)
{
    auto* group = new QGroupBox(texts::kAudioSettingsGroup, client);
    group->setObjectName("GroupBox2");
    group->setGeometry(309, 315, 219, 133);
    audioCodecCombo = makeGroupCombo(group, "ComboAudioCodec", texts::kAudioCodecLabel, 0, 98, 106);
    audioBitrateCombo = makeGroupCombo(group, "ComboAudioBitrate", texts::kAudioBitrateLabel, 1, 98, 106);
    channelsCombo = makeGroupCombo(group, "ComboAudioChannel", texts::kAudioChannelsLabel, 2, 98, 106);
    samplingRateCombo = makeGroupCombo(group, "ComboSamplingRate", texts::kSamplingRateLabel, 3, 98, 106);
    channelsCombo->addItems({texts::kStereo, texts::kMono});
    channelsCombo->setCurrentIndex(0);
}

void MainWindow::buildGeneralGroup(QWidget* client)
{
    auto* group = new QGroupBox(texts::kGeneralSettingsGroup, client);
    group->setObjectName("GroupBox3");
    group->setGeometry(538, 315, 213, 133);
    letterBoxCombo = makeGroupCombo(group, "ComboLetterBox", texts::kVideoZoomLabel, 0, 90, 108);
    letterBoxCombo->setToolTip(texts::kLetterBoxHint);
    muteAudioCombo = makeGroupCombo(group, "ComboMuteAudio", texts::kMuteAudioLabel, 1, 90, 108);
    muteAudioCombo->addItems({texts::kFalse, texts::kTrue});
    muteAudioCombo->setCurrentIndex(0);
    QLabel* volumeCaption = MakeLabel(group, texts::kVolumeLabel, QRect(10, 84, 86, 17));
    volumeSlider = new QSlider(Qt::Horizontal, group);
    volumeSlider->setObjectName("TrackBar1");
    volumeSlider->setGeometry(96, 78, 110, 26);
    labelledFields_.push_back({volumeCaption, volumeSlider, volumeCaption->geometry(), volumeSlider->geometry()});
    volumeSlider->setRange(0, 10);
    volumeSlider->setPageStep(1);
    volumeSlider->setTickPosition(QSlider::TicksBelow);
    volumeSlider->setValue(5);
    volumeSlider->setToolTip(texts::kVolumeHint);
    volumeLabel = MakeLabel(group, texts::kFullVolume, QRect(136, 106, 40, 17));
    volumeLabel->setObjectName("Label14");
}

void MainWindow::buildProgressRow(QWidget* client)
{
    progressBar = new QProgressBar(client);
    progressBar->setObjectName("ProgressBar1");
    progressBar->setGeometry(69, 462, 585, 16);
    progressBar->setRange(0, 100);
    progressBar->setValue(0);
    progressBar->setTextVisible(false);
    smallStopButton = new QToolButton(client);
    smallStopButton->setObjectName("ButtonStopSmall");
    smallStopButton->setText(texts::kSmallStopCaption);
    smallStopButton->setGeometry(671, 456, 77, 28);
    connect(smallStopButton, &QToolButton::clicked, stopButton, &QToolButton::click);

    statusBarWidget = new QStatusBar(client);
    statusBarWidget->setObjectName("StatusBar1");
    statusBarWidget->setSizeGripEnabled(false);
    statusBarWidget->setGeometry(0, kClientHeight - 22, kClientWidth, 22);
    statusPanels = new StatusBarPanels(*statusBarWidget);
    statusPanels->setText(0, texts::kReady);

    lineBuffer = new QPlainTextEdit(client);
    lineBuffer->setObjectName("Memo1");
    lineBuffer->setGeometry(kClientWidth + 8, 0, 545, 89);
}

void MainWindow::buildMenus()
{
    auto addAction = [this](QMenu* menu, const char* name, const QString& text, QStyle::StandardPixmap glyph) {
        auto* action = menu->addAction(style()->standardIcon(glyph), text);
        action->setObjectName(name);
        return action;
    };
    QMenu* file = menuBar()->addMenu(texts::kFileMenu);
    addFilesAction = addAction(file, "AddFiles1", texts::kAddFilesCaption, QStyle::SP_FileDialogNewFolder);
    file->addSeparator();
    convertAction = addAction(file, "Convert1", texts::kConvertEntry, QStyle::SP_MediaPlay);
    openOutputFolderAction = addAction(file, "OpenOutputFolder1", texts::kOpenOutputFolder, QStyle::SP_DirOpenIcon);
    conversionLogAction = addAction(file, "ConversionLog1", texts::kConversionLogEntry, QStyle::SP_FileDialogContentsView);
    file->addSeparator();
    exitAction = addAction(file, "Exit1", texts::kExitEntry, QStyle::SP_DialogCloseButton);
    QMenu* options = menuBar()->addMenu(texts::kOptionsMenu);
    optionsAction = addAction(options, "SetGeneralOptions1", texts::kSetAdditionalOptionsEntry, QStyle::SP_FileDialogDetailedView);
    QMenu* help = menuBar()->addMenu(texts::kHelpMenu);
    helpAction = addAction(help, "OpenHelpFile1", texts::kOpenHelpFileEntry, QStyle::SP_DialogHelpButton);
    help->addSeparator();
    websiteAction = addAction(help, "VisitOurWebsite1", texts::kVisitWebsiteEntry, QStyle::SP_DriveNetIcon);
    help->addSeparator();
    aboutAction = addAction(help, "About1", texts::kAboutEntry, QStyle::SP_MessageBoxInformation);

    connect(addFilesAction, &QAction::triggered, addFilesButton, &QToolButton::click);
    connect(convertAction, &QAction::triggered, convertButton, &QToolButton::click);
    // Exit leaves the event loop at once, without a close request and without saving.
    connect(exitAction, &QAction::triggered, this, [] { QCoreApplication::exit(0); });
}

void MainWindow::buildShortcuts()
{
    addFilesAction->setShortcut(QKeySequence::Open);
    convertAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    helpAction->setShortcut(QKeySequence(Qt::Key_F1));
    exitAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // Buttons ignore clicks while disabled, so the keys follow the busy lock.
    auto* remove = new QShortcut(QKeySequence::Delete, this);
    connect(remove, &QShortcut::activated, removeButton, &QToolButton::click);
    // Stop Convert asks first and does nothing outside a batch.
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_Period)}) {
        auto* stop = new QShortcut(keys, this);
        connect(stop, &QShortcut::activated, stopButton, &QToolButton::click);
    }
}

void MainWindow::createControls()
{
    // Hints stay up for 30 seconds.
    for (auto* widget : findChildren<QWidget*>())
        widget->setToolTipDuration(30000);
    letterBoxCombo->addItems({texts::kNone, texts::kLetterBox});
    letterBoxCombo->setCurrentIndex(1);
    for (int index = 0; index < kFormatCount; ++index)
        formatCombo->addItem(QString::fromStdString(FormatText(index)));
    formatCombo->setMaxVisibleItems(kFormatCount);
    formatCombo->setCurrentIndex(0);
    setWindowTitle(texts::kMainCaption);
    outputDirEdit->setText(QDir::homePath() + texts::kDefaultOutputSubdir);
    profileView = new ProfileView(*this);
    profileView->switchFormat();
    lineBuffer->hide();
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
        QRect field = pair.fieldRect;
        field.setLeft(std::max(field.left(), label.right() + 1 + kGap));
        pair.field->setGeometry(field);
    }
    // A big button grows to the right into the gap before its neighbour.
    for (QToolButton* button : {addFilesButton, stopButton, convertButton, removeButton, clearAllButton})
        button->resize(std::max(kBigButtonWidth, button->sizeHint().width()), button->height());
}

void MainWindow::centreOnScreen()
{
    adjustSize();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

bool MainWindow::event(QEvent* event)
{
    // The window's own font is set before its controls exist.
    if (event->type() == QEvent::FontChange && clearAllButton != nullptr)
        fitLabels();
    return QMainWindow::event(event);
}

bool MainWindow::showPathTip(QHelpEvent* help)
{
    const QModelIndex index = fileList->indexAt(help->pos());
    const QTableWidgetItem* item = fileList->item(index.row(), 0);
    if (!index.isValid() || index.column() != 0 || item == nullptr || !item->toolTip().isEmpty())
        return false;
    QToolTip::showText(help->globalPos(), item->text(), fileList->viewport());
    return true;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == fileList->viewport() && event->type() == QEvent::ToolTip && showPathTip(static_cast<QHelpEvent*>(event)))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

QString MainWindow::statusPanelText(int panel) const
{
    return statusPanels->text(panel);
}

void MainWindow::setStatusPanelText(int panel, const QString& text)
{
    statusPanels->setText(panel, text);
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
        event->ignore();
        return;
    }
    emit closing();
    event->accept();
}
