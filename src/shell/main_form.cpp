#include "shell/main_form.h"

#include "link/link_idle.h"
#include "platform/dialog_service.h"
#include "platform/form_fonts.h"
#include "platform/typed_combo.h"
#include "platform/zav_error.h"
#include "sections/slot_map.h"
#include "shell/about_box.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

TForm1* Form1 = nullptr;

const char* const MainWindowCaption = "ZAV3 Manager 1.7.1";

namespace {

QPushButton* makeButton(QWidget* parent, const char* caption, QRect place, bool shown = true) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(place);
    button->setAutoDefault(false);
    button->setVisible(shown);
    return button;
}

} // namespace

TForm1::TForm1(DialogService& dialogs, LinkBinder bindLink, std::string settingsPath)
    : dialogs_(dialogs), bindLink_(std::move(bindLink)), settingsPath_(std::move(settingsPath)) {
    Form1 = this;
    setWindowTitle(MainWindowCaption);
    setFont(formFont());
    setGeometry(259, 163, 330, 555);
    buildPanel();
    buildGrid();
    buildMenu();
    connectHandlers();
    FormCreate();
}

TForm1::~TForm1() {
    FormDestroy();
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::buildPanel() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* panel = new QFrame(central);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setFixedHeight(81);
    Panel1 = panel;

    ComboBox1 = new QComboBox(Panel1);
    ComboBox1->setEditable(true);
    ComboBox1->addItems({"COM1", "COM2", "COM3", "COM4"});
    ComboBox1->setCurrentIndex(0);
    selectItemOfTypedText(*ComboBox1);
    ComboBox1->setGeometry(8, 8, 81, 21);

    Button7 = makeButton(Panel1, "Options", {91, 4, 105, 25});
    Button4 = makeButton(Panel1, "SummSize 18", {184, 5, 79, 17}, false);
    Button6 = makeButton(Panel1, "PRG3 library upload", {200, 4, 113, 25});
    Button1 = makeButton(Panel1, "Full Refresh", {8, 32, 79, 25});
    Button3 = makeButton(Panel1, "ZAVx Preferences", {91, 32, 105, 25});
    Button5 = makeButton(Panel1, "UFIF2 library upload", {200, 32, 113, 25});
    CheckBox1 = new QCheckBox("Additional info in full refresh", Panel1);
    // Wide enough for its caption in this font; the buttons beside it are never shown.
    CheckBox1->setGeometry(8, 59, std::max(153, CheckBox1->sizeHint().width()), 17);
    CheckBox1->setChecked(true);
    Button9 = makeButton(Panel1, "U", {157, 60, 20, 17}, false);
    Button10 = makeButton(Panel1, "C", {178, 60, 20, 17}, false);
    Button8 = makeButton(Panel1, "Button8", {200, 60, 63, 17}, false);
    Button2 = makeButton(Panel1, "About", {266, 60, 47, 17});

    layout->addWidget(Panel1);
    setCentralWidget(central);

    StatusBar = new QLabel(this);
    statusBar()->addWidget(StatusBar, 1);
    statusBar()->setFixedHeight(19);
    statusBar()->setSizeGripEnabled(true);
}

void TForm1::buildGrid() {
    DrawGrid1 = new DrawGrid(centralWidget());
    centralWidget()->layout()->addWidget(DrawGrid1);
    DrawGrid1->setColWidth(0, 75);
    DrawGrid1->setColWidth(1, 120);
    DrawGrid1->setColWidth(2, 64);
    DrawGrid1->viewport()->installEventFilter(this);
    DrawGrid1->setCellPainter(
        [this](QPainter& canvas, int col, int row, const QRect& rect, CellState state) {
            DrawGrid1DrawCell(canvas, col, row, rect, state);
        });
    DrawGrid1->setMouseUpHandler([this](Qt::MouseButton button, const QPoint& globalPos) {
        runGuarded([&] { DrawGrid1MouseUp(button, globalPos); }, ErrorReopensMenu::No);
    });
}

void TForm1::buildMenu() {
    auto makeAction = [this](const char* caption) {
        auto* action = new QAction(caption, this);
        action->setEnabled(false);
        return action;
    };
    RefreshAction = makeAction("Refresh");
    UploadAction = makeAction("Upload");
    ClearAction = makeAction("Clear");
    DownloadAction = makeAction("Download");
    PlayGIFAction = makeAction("Play GIF");
    ConvertAction = makeAction("Convert to UFIF2.1");
    GetPrefAction = new QAction("Get Preferences", this);
    SetPrefAction = new QAction("SetPrefAction", this);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->addActions(
        {RefreshAction, UploadAction, ClearAction, DownloadAction, PlayGIFAction, ConvertAction});
}

void TForm1::connectHandlers() {
    auto onClick = [this](QPushButton* button, void (TForm1::*handler)(),
                          ErrorReopensMenu reopens = ErrorReopensMenu::Yes) {
        connect(button, &QPushButton::clicked, this, [this, handler, reopens] {
            runGuarded([this, handler] { (this->*handler)(); }, reopens);
        });
    };
    onClick(Button1, &TForm1::Button1Click);
    onClick(Button2, &TForm1::Button2Click, ErrorReopensMenu::No);
    onClick(Button3, &TForm1::Button3Click);
    onClick(Button4, &TForm1::Button4Click);
    onClick(Button5, &TForm1::Button5Click);
    onClick(Button6, &TForm1::Button6Click);
    onClick(Button7, &TForm1::Button7Click, ErrorReopensMenu::No);
    onClick(Button8, &TForm1::Button8Click, ErrorReopensMenu::No);
    onClick(Button9, &TForm1::Button9Click);
    onClick(Button10, &TForm1::ButtonCli, ErrorReopensMenu::No);

    auto onTrigger = [this](QAction* action, void (TForm1::*handler)()) {
        connect(action, &QAction::triggered, this, [this, handler] {
            runGuarded([this, handler] { (this->*handler)(); });
        });
    };
    onTrigger(RefreshAction, &TForm1::RefreshActionExecute);
    onTrigger(UploadAction, &TForm1::UploadActionExecute);
    onTrigger(ClearAction, &TForm1::ClearActionExecute);
    onTrigger(DownloadAction, &TForm1::DownloadActionExecute);
    onTrigger(PlayGIFAction, &TForm1::PlayGIFActionExecute);
    onTrigger(ConvertAction, &TForm1::ConvertActionExecute);
    onTrigger(GetPrefAction, &TForm1::GetPrefActionExecute);
    onTrigger(SetPrefAction, &TForm1::SetPrefActionExecute);
}

void TForm1::setStatusText(const std::string& text) {
    const QString shown = QString::fromStdString(text);
    StatusBar->setText(shown);
    // Commands block the event loop while they talk to the phone: show the text now.
    StatusBar->repaint();
    emit statusTextChanged(shown);
}

std::string TForm1::statusText() const { return StatusBar->text().toStdString(); }

void TForm1::runGuarded(const std::function<void()>& handler, ErrorReopensMenu reopens) {
    try {
        handler();
    } catch (const ZavError& error) {
        endAfterError(error.what(), reopens);
    } catch (const std::exception& error) {
        endAfterError(error.what(), reopens);
    }
}

void TForm1::endAfterError(const std::string& text, ErrorReopensMenu reopens) {
    // A phone command that an error ends had closed the grid's menu: open it again. Handlers
    // that never talk to the phone leave it as they found it, so that no error of theirs opens
    // the menu before the first refresh.
    if (reopens == ErrorReopensMenu::Yes)
        LinkIdle = true;
    showError(text);
}

void TForm1::showError(const std::string& text) { dialogs_.showMessage(text, ErrorCaption); }

void TForm1::FormCreate() {
    if (!bindLink_ || !bindLink_(link_))
        dialogs_.showMessage(UnableToOpenGbpText, ErrorCaption);
}

void TForm1::FormShow() { LoadSettings(); }

void TForm1::FormResize() {
    const int middle =
        DrawGrid1->viewport()->width() - DrawGrid1->colWidth(0) - DrawGrid1->colWidth(2);
    DrawGrid1->setColWidth(1, middle);
}

void TForm1::FormClose() { SaveSettings(); }

void TForm1::FormDestroy() { link_.release(); }

void TForm1::Button2Click() { dialogs_.execModal(*AboutBox); }

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    runGuarded([this] { FormShow(); }, ErrorReopensMenu::No);
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    // The grid's client area settles after the window's own resize (and changes again when the
    // scroll bar comes or goes): the middle column follows it.
    if (watched == DrawGrid1->viewport() && event->type() == QEvent::Resize)
        FormResize();
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    // A settings file that cannot be written is reported, but never keeps the window open.
    runGuarded([this] { FormClose(); }, ErrorReopensMenu::No);
    event->accept();
}

int TForm1::selectedPort() const { return ComboBox1->currentIndex() + 1; }

bool TForm1::enterGbpMode() {
    if (link_.InitGBPMode(selectedPort()) == 0)
        return true;
    dialogs_.showMessage(CantInitGbpModeText, ErrorCaption);
    LinkIdle = true;
    return false;
}

int TForm1::currentRow() const { return DrawGrid1->currentGridRow(); }

void TForm1::repaintGrid() { DrawGrid1->repaintNow(); }
