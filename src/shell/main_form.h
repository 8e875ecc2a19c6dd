#pragma once

#include "link/phone_link.h"
#include "platform/draw_grid.h"
#include "platform/file_io.h"

#include <QMainWindow>

#include <cstddef>
#include <functional>
#include <string>

class DialogService;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;

// The main window: the button panel, the section grid, the status bar and the grid's context
// menu. Every command starts here; each subsystem defines its own handlers in its own folder.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // Binds the phone link library; the real program loads it from beside the executable.
    using LinkBinder = std::function<bool(PhoneLink&)>;

    TForm1(DialogService& dialogs, LinkBinder bindLink, std::string settingsPath);
    ~TForm1() override;

    // Whether FormCreate bound the link library; without it the program ends at once.
    bool linkBound() const { return link_.isBound(); }

    DialogService& dialogs() { return dialogs_; }
    PhoneLink& link() { return link_; }
    const std::string& settingsPath() const { return settingsPath_; }

    // The status bar's one text.
    void setStatusText(const std::string& text);
    std::string statusText() const;

    // Whether an error that ends a handler sets LinkIdle again: yes for the phone commands,
    // which clear it while they run.
    enum class ErrorReopensMenu { Yes, No };

    // Runs a handler; an error it raises is shown in a message box and the program goes on.
    void runGuarded(const std::function<void()>& handler,
                    ErrorReopensMenu reopens = ErrorReopensMenu::Yes);

    // --- controls ---
    QWidget* Panel1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QPushButton* Button1 = nullptr;  // "Full Refresh"
    QPushButton* Button2 = nullptr;  // "About"
    QPushButton* Button3 = nullptr;  // "ZAVx Preferences"
    QPushButton* Button4 = nullptr;  // "SummSize 18", never shown
    QPushButton* Button5 = nullptr;  // "UFIF2 library upload"
    QPushButton* Button6 = nullptr;  // "PRG3 library upload"
    QPushButton* Button7 = nullptr;  // "Options"
    QPushButton* Button8 = nullptr;  // symbol-list merge, never shown
    QPushButton* Button9 = nullptr;  // raw upload "U", never shown
    QPushButton* Button10 = nullptr; // erase "C", never shown
    QCheckBox* CheckBox1 = nullptr;  // "Additional info in full refresh"
    DrawGrid* DrawGrid1 = nullptr;
    QLabel* StatusBar = nullptr;
    QMenu* PopupMenu1 = nullptr;

    // --- actions ---
    QAction* RefreshAction = nullptr;
    QAction* UploadAction = nullptr;
    QAction* ClearAction = nullptr;
    QAction* DownloadAction = nullptr;
    QAction* PlayGIFAction = nullptr;
    QAction* ConvertAction = nullptr;
    QAction* GetPrefAction = nullptr;
    QAction* SetPrefAction = nullptr;

    // --- window and settings ---
    void FormCreate();
    void FormShow();
    void FormResize();
    void FormClose();
    void FormDestroy();
    void Button2Click();
    void Button7Click();
    void LoadSettings();
    void SaveSettings();

    // --- section browser ---
    int probeSection(int group, int slot);
    void Button1Click();
    void RefreshActionExecute();
    void DrawGrid1DrawCell(QPainter& canvas, int col, int row, const QRect& rect, CellState state);
    void DrawGrid1MouseUp(Qt::MouseButton button, const QPoint& globalPos);

    // --- section transfers ---
    void ClearActionExecute();
    void DownloadActionExecute();
    void PlayGIFActionExecute();
    void Button4Click();
    void UploadActionExecute();
    void ConvertActionExecute();
    // Converts a UFIF 2.0 image in place for the firmware target shown in FWComboBox.
    void convertToUfif21(Bytes& image, std::size_t n, std::size_t headerOffset);

    // --- mod configuration and libraries ---
    void Button3Click();
    void GetPrefActionExecute();
    void SetPrefActionExecute();
    void verifiedWrite(int group, int slot, const std::uint8_t* data, int length);
    int CheckUploadedSize(int group, int slot, int expectedLength);
    void Button5Click();
    void Button6Click();
    void Button8Click();
    void Button9Click();
    void ButtonCli();

    // --- shared by the commands ---
    // The port for the link: the selected COM item plus one (0 when none is selected).
    int selectedPort() const;
    // Enters GBP mode on the selected port; on failure shows "Can't Init GPB Mode" and sets
    // LinkIdle again.
    bool enterGbpMode();
    // The grid row the context menu's commands act on.
    int currentRow() const;
    void repaintGrid();
    void showError(const std::string& text);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void statusTextChanged(const QString& text);

private:
    void buildPanel();
    void buildGrid();
    void buildMenu();
    void connectHandlers();
    void endAfterError(const std::string& text, ErrorReopensMenu reopens);

    DialogService& dialogs_;
    LinkBinder bindLink_;
    std::string settingsPath_;
    PhoneLink link_;
    bool shownOnce_ = false;
};

extern TForm1* Form1;

extern const char* const MainWindowCaption; // "ZAV3 Manager 1.7.1"
