#pragma once

#include "platform/DialogAnswers.h"
#include "platform/DialogQuestion.h"

#include <optional>
#include <string>
#include <vector>

/// Buttons offered by a message box.
enum class EMsgButtons { Ok, OkCancel, YesNo, YesNoCancel };

/// The button a user pressed to close a message box.
enum class EMsgAnswer { Ok, Cancel, Yes, No };

/// One running count of a progress panel (rows read from one group of tables).
struct SProgressCount {
    std::string label;
    long count = 0;
};

/// Everything the core needs from a windowing platform: message boxes, status text, the wait
/// cursor, progress with its cancel poll, file name questions and view refreshes. The desktop
/// implements it with widgets; the headless implementation answers by itself.
class CPlatform {
public:
    virtual ~CPlatform() = default;

    /// Shows a modal message box and returns the button pressed.
    virtual EMsgAnswer MessageBox(const std::string& text, const std::string& title,
                                  EMsgButtons buttons) = 0;
    /// Sets the text of one status-bar pane (pane 1 carries progress texts).
    virtual void SetStatusText(int pane, const std::string& text) = 0;
    /// Shows (true) or hides (false) the wait cursor; calls nest.
    virtual void SetWaitCursor(bool on) = 0;
    /// Shows how far a long computation that reports its rows is (0 to 100) where the platform
    /// has a gauge for it, beside the progress text of pane 1. By default nothing is shown.
    virtual void SetProgressPercent(double percent) { (void)percent; }
    /// Answers true when the user asked to stop the running computation (the Escape key).
    virtual bool CancelRequested() = 0;
    /// Asks for the name of a file to open; empty when the user cancelled.
    virtual std::string AskOpenFileName(const std::string& title, const std::string& filter) = 0;
    /// Asks for the name of a file to save; empty when the user cancelled.
    virtual std::string AskSaveFileName(const std::string& title, const std::string& suggested,
                                        const std::string& filter) = 0;
    /// Asks which database to open (a database file or an ODBC connection string); empty when
    /// the user cancelled. By default this is the question for a database file's name.
    virtual std::string AskDataSource() {
        return AskOpenFileName("Open Database",
                               "Legislature databases (*.sqlite *.db);;All files (*)");
    }
    /// Shows or updates a modeless progress panel with one running count per line; an empty
    /// list closes it. By default nothing is shown.
    virtual void ShowProgressCounts(const std::string& title,
                                    const std::vector<SProgressCount>& counts) {
        (void)title;
        (void)counts;
    }
    /// Asks every view of the document to redraw.
    virtual void RefreshViews() = 0;
    /// Ends the program (Cancel in the error box of an internal failure). A platform with a
    /// window ends it as closing the window does, so unsaved changes are offered for saving
    /// first and the program may go on.
    virtual void ExitProgram(int code) = 0;
    /// Closes the main window, ending the session without any question (the "Exit" command).
    virtual void CloseMainWindow() {}

    // One question per dialog. Each answers the dialog's record, or nothing when the user
    // cancelled; a platform without the dialog answers "cancelled".
    /// The member-selection dialog over the offered members.
    virtual std::optional<SMemberSubsetAnswer>
    AskMemberSubset(const std::string& title, const std::vector<SMemberChoice>& members);
    /// The "Regular Polygon Model" dialog, opened with the given settings.
    virtual std::optional<SRegularPolygonSettings>
    AskRegularPolygon(const SRegularPolygonSettings& initial);
    /// The "Agenda" dialog.
    virtual std::optional<SAgendaSettings> AskAgenda(const SAgendaSettings& initial);
    /// The "Rationality Model" dialog over the committees of the house in use.
    virtual std::optional<SRationalityModelAnswer>
    AskRationalityModel(const std::vector<SCommitteeChoice>& committees);
    /// The benefit-of-the-doubt dialog, its slider at the current value.
    virtual std::optional<SBenefitOfDoubtAnswer> AskBenefitOfDoubt(double current);
    /// The "Win Set List Editor" over the list's entry labels.
    virtual std::optional<SWinSetListAnswer>
    AskWinSetListEdits(const std::vector<std::string>& labels);
    /// A question of a layer above the seam; a platform without its dialog leaves it
    /// unanswered (cancelled).
    virtual void Ask(CDialogQuestion& question) { (void)question; }
};

/// The platform the core talks to; a headless one unless a front end installed another.
CPlatform& Platform();

/// Installs a platform (not owned) for every thread; nullptr restores the default headless
/// platform.
void SetPlatform(CPlatform* platform);

/// Installs a platform on the calling thread for the lifetime of the guard and restores the
/// previous one after; other threads keep theirs. Threads a computation starts for its own
/// work install the platform of the thread that started them.
class CScopedPlatform {
public:
    explicit CScopedPlatform(CPlatform& platform);
    ~CScopedPlatform();
    CScopedPlatform(const CScopedPlatform&) = delete;
    CScopedPlatform& operator=(const CScopedPlatform&) = delete;

private:
    CPlatform* m_previous;
};

/// Shows the wait cursor while alive.
class CWaitCursor {
public:
    CWaitCursor() { Platform().SetWaitCursor(true); }
    ~CWaitCursor() { Platform().SetWaitCursor(false); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

/// The text of the error box of an internal failure for a short code and a message.
std::string ErrorBoxText(const std::string& code, const std::string& message);

/// Shows the error box of an internal failure (OK continues, Cancel ends the program).
void ErrorBox(const std::string& code, const std::string& message);

/// The text of a user's error (a file not found, a file or database in the wrong form): the
/// code and a plain message that names the file or table and says what to try.
std::string UserErrorText(const std::string& code, const std::string& message);

/// Shows a user's error in a box with OK alone.
void UserErrorBox(const std::string& code, const std::string& message);

/// Shows a plain message box with an OK button.
void MessageBoxOk(const std::string& text, const std::string& title = "Quelta");
