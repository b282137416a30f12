#include "ui/TForm1.h"

#include "core/AppTexts.h"
#include "core/SharedState.h"
#include "core/profiles/FormatCatalogue.h"
#include "ui/ProfileView.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSlider>
#include <QStatusBar>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>

namespace {

constexpr int kClientWidth = 765;
constexpr int kClientHeight = 512;

QToolButton* MakeBigButton(QWidget* parent, const char* name, const QString& caption, QStyle::StandardPixmap glyph, int left)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setIcon(parent->style()->standardIcon(glyph));
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setGeometry(left, 3, 82, 76);
    return button;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& geometry, bool bold = false)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QComboBox* MakeCombo(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setGeometry(geometry);
    return combo;
}

// One labelled drop-down list inside a settings group, row 0 to 3.
QComboBox* MakeGroupCombo(QGroupBox* group, const char* name, const QString& label, int row, int labelWidth, int comboWidth)
{
    const int top = 22 + row * 26;
    MakeLabel(group, label, QRect(10, top + 2, labelWidth, 17));
    return MakeCombo(group, name, QRect(10 + labelWidth, top, comboWidth, 21));
}

} // namespace

TForm1::TForm1(SharedState& state, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
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
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    FormCreate();
}

void TForm1::buildButtonRow(QWidget* client)
{
    AddFileButton = MakeBigButton(client, "AddFileButton", "Add Files", QStyle::SP_FileDialogNewFolder, 12);
    StopConvertButton = MakeBigButton(client, "StopConvertButton", "Stop Convert", QStyle::SP_MediaStop, 108);
    ConvertNowButton = MakeBigButton(client, "ConvertNowButton", "Convert Now !", QStyle::SP_MediaPlay, 204);
    auto* divider = new QFrame(client);
    divider->setObjectName("Panel1");
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Sunken);
    divider->setGeometry(309, 8, 3, 66);
    RemoveButton = MakeBigButton(client, "RemoveButton", "Remove", QStyle::SP_DialogDiscardButton, 330);
    ClearAllButton = MakeBigButton(client, "ClearAllButton", "Clear All ", QStyle::SP_TrashIcon, 426);
}

void TForm1::buildFileList(QWidget* client)
{
    ListView1 = new QTableWidget(0, 7, client);
    ListView1->setObjectName("ListView1");
    ListView1->setGeometry(4, 84, 753, 190);
    ListView1->setHorizontalHeaderLabels(
        {"Video File Name", "Video Size", "FrameRate", "Duration", "Output", "Progress", "Frames"});
    const int widths[] = {320, 90, 70, 60, 65, 57, 60};
    for (int column = 0; column < 7; ++column)
        ListView1->setColumnWidth(column, widths[column]);
    ListView1->horizontalHeaderItem(0)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ListView1->verticalHeader()->hide();
    ListView1->verticalHeader()->setDefaultSectionSize(18);
    ListView1->setShowGrid(true);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
}

void TForm1::buildFormatRow(QWidget* client)
{
    MakeLabel(client, "Output Format : ", QRect(7, 286, 98, 17), true)->setObjectName("Label2");
    ComboOutputFormat = MakeCombo(client, "ComboOutputFormat", QRect(105, 282, 301, 24));
    Label1 = MakeLabel(client, "Output Directory : ", QRect(416, 286, 116, 17), true);
    Label1->setObjectName("Label1");
    Label1->installEventFilter(this);
    Edit1 = new QLineEdit(client);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(525, 282, 181, 24);
    Edit1->setReadOnly(true);
    Edit1->setEnabled(false);
    ButtonBrowseForFolder = new QToolButton(client);
    ButtonBrowseForFolder->setObjectName("ButtonBrowseForFolder");
    ButtonBrowseForFolder->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    ButtonBrowseForFolder->setGeometry(711, 280, 40, 28);
}

void TForm1::buildVideoGroup(QWidget* client)
{
    auto* group = new QGroupBox(" Video Settings ", client);
    group->setObjectName("GroupBox1");
    group->setGeometry(14, 315, 285, 133);
    ComboVideoCodec = MakeGroupCombo(group, "ComboVideoCodec", "Video Codec : ", 0, 105, 160);
    ComboVideoSize = MakeGroupCombo(group, "ComboVideoSize", "Video Size : ", 1, 105, 160);
    ComboVideoBitrate = MakeGroupCombo(group, "ComboVideoBitrate", "Video Bitrate : ", 2, 105, 160);
    ComboVideoFramerate = MakeGroupCombo(group, "ComboVideoFramerate", "Video Framerate : ", 3, 105, 160);
}

void TForm1::buildAudioGroup(QWidget* client)
{
    auto* group = new QGroupBox(" Audio Settings ", client);
    group->setObjectName("GroupBox2");
    group->setGeometry(309, 315, 219, 133);
    ComboAudioCodec = MakeGroupCombo(group, "ComboAudioCodec", "Audio Codec : ", 0, 98, 106);
    ComboAudioBitrate = MakeGroupCombo(group, "ComboAudioBitrate", "Audio Bitrate :", 1, 98, 106);
    ComboAudioChannel = MakeGroupCombo(group, "ComboAudioChannel", "Audio Channels :", 2, 98, 106);
    ComboSamplingRate = MakeGroupCombo(group, "ComboSamplingRate", "Sampling Rate : ", 3, 98, 106);
    ComboAudioChannel->addItems({"Stereo", "Mono"});
    ComboAudioChannel->setCurrentIndex(0);
}

void TForm1::buildGeneralGroup(QWidget* client)
{
    auto* group = new QGroupBox(" General Settings ", client);
    group->setObjectName("GroupBox3");
    group->setGeometry(538, 315, 213, 133);
    ComboLetterBox = MakeGroupCombo(group, "ComboLetterBox", "Video Zoom : ", 0, 90, 108);
    ComboLetterBox->setToolTip("Add a letterbox to keep video aspect ratio");
    ComboMuteAudio = MakeGroupCombo(group, "ComboMuteAudio", "Mute Audio :", 1, 90, 108);
    ComboMuteAudio->addItems({"False", "True"});
    ComboMuteAudio->setCurrentIndex(0);
    MakeLabel(group, "Volume : ", QRect(10, 84, 90, 17));
    TrackBar1 = new QSlider(Qt::Horizontal, group);
    TrackBar1->setObjectName("TrackBar1");
    TrackBar1->setGeometry(96, 78, 110, 26);
    TrackBar1->setRange(0, 10);
    TrackBar1->setPageStep(1);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setValue(5);
    TrackBar1->setToolTip("100% is the original video volume");
    Label14 = MakeLabel(group, "100%", QRect(136, 106, 40, 17));
    Label14->setObjectName("Label14");
}

void TForm1::buildProgressRow(QWidget* client)
{
    ProgressBar1 = new QProgressBar(client);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setGeometry(69, 462, 585, 16);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ButtonStopSmall = new QToolButton(client);
    ButtonStopSmall->setObjectName("ButtonStopSmall");
    ButtonStopSmall->setText("Stop");
    ButtonStopSmall->setGeometry(671, 456, 77, 28);
    connect(ButtonStopSmall, &QToolButton::clicked, StopConvertButton, &QToolButton::click);

    StatusBar1 = new QStatusBar(client);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(0, kClientHeight - 22, kClientWidth, 22);
    for (int width : {150, 200, 50}) {
        auto* panel = new QLabel(StatusBar1);
        panel->setFixedWidth(width);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        StatusBar1->addWidget(panel);
        statusPanels_.append(panel);
    }
    statusPanels_[0]->setText("Ready");

    Memo1 = new QPlainTextEdit(client);
    Memo1->setObjectName("Memo1");
    Memo1->setGeometry(kClientWidth + 8, 0, 545, 89);
}

void TForm1::buildMenus()
{
    auto addAction = [this](QMenu* menu, const char* name, const QString& text, QStyle::StandardPixmap glyph) {
        auto* action = menu->addAction(style()->standardIcon(glyph), text);
        action->setObjectName(name);
        return action;
    };
    QMenu* file = menuBar()->addMenu("File");
    AddFiles1 = addAction(file, "AddFiles1", "Add Files", QStyle::SP_FileDialogNewFolder);
    file->addSeparator();
    Convert1 = addAction(file, "Convert1", "Convert", QStyle::SP_MediaPlay);
    file->addSeparator();
    Exit1 = addAction(file, "Exit1", "Exit", QStyle::SP_DialogCloseButton);
    QMenu* options = menuBar()->addMenu("Options");
    SetGeneralOptions1 = addAction(options, "SetGeneralOptions1", "Set Additional Options", QStyle::SP_FileDialogDetailedView);
    QMenu* help = menuBar()->addMenu("Help");
    OpenHelpFile1 = addAction(help, "OpenHelpFile1", "Open Help File", QStyle::SP_DialogHelpButton);
    help->addSeparator();
    VisitOurWebsite1 = addAction(help, "VisitOurWebsite1", "Visit Kelvry Website", QStyle::SP_DriveNetIcon);
    help->addSeparator();
    About1 = addAction(help, "About1", "About", QStyle::SP_MessageBoxInformation);

    connect(AddFiles1, &QAction::triggered, AddFileButton, &QToolButton::click);
    connect(Convert1, &QAction::triggered, ConvertNowButton, &QToolButton::click);
    // Exit leaves the event loop at once, without a close request and without saving.
    connect(Exit1, &QAction::triggered, this, [] { QCoreApplication::exit(0); });
}

void TForm1::FormCreate()
{
    // Hints stay up for 30 seconds.
    for (auto* widget : findChildren<QWidget*>())
        widget->setToolTipDuration(30000);
    ComboLetterBox->addItems({"None", "LetterBox"});
    ComboLetterBox->setCurrentIndex(1);
    for (int index = 0; index < kFormatCount; ++index)
        ComboOutputFormat->addItem(QString::fromStdString(FormatText(index)));
    ComboOutputFormat->setMaxVisibleItems(kFormatCount);
    ComboOutputFormat->setCurrentIndex(0);
    setWindowTitle(texts::kMainCaption);
    Edit1->setText(QDir::homePath() + texts::kDefaultOutputSubdir);
    profileView = new ProfileView(*this);
    profileView->ComboOutputFormatChange();
    Memo1->hide();
}

void TForm1::Label1MouseEnter()
{
    Label1->setToolTip(Edit1->text());
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label1 && event->type() == QEvent::Enter)
        Label1MouseEnter();
    return QMainWindow::eventFilter(watched, event);
}

QString TForm1::statusPanelText(int panel) const
{
    return statusPanels_.at(panel)->text();
}

void TForm1::setStatusPanelText(int panel, const QString& text)
{
    statusPanels_.at(panel)->setText(text);
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        emit shown();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (state_.isConverting || state_.shutdownPending) {
        event->ignore();
        return;
    }
    emit closing();
    event->accept();
}
