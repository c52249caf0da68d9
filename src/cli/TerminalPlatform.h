#pragma once

#include "platform/ForwardingPlatform.h"
#include "platform/HeadlessPlatform.h"

#include <string>
#include <vector>

/// The one-line form of a message for a terminal: an error box becomes "CODE: message" without
/// the box's furniture, a user's error adds what to try as a short hint; line ends fold into
/// "; "; a missing table gets the hint to create the tables instead; the warnings Qt or a
/// driver gave since the last message are added in brackets.
std::string TerminalMessage(const std::string& text);

/// The one-line form of a message with the given warnings (see TerminalMessage).
std::string MessageLine(const std::string& text, const std::string& warnings);

/// Keeps the warnings Qt and the database drivers give from the terminal; the next message
/// shown carries them (see TerminalMessage). Installed once, at start-up.
void CollectLibraryWarnings();

/// The command line's platform: the headless answers, with every message printed on stderr as
/// one line "quelta-cli: " + TerminalMessage(text).
class CTerminalPlatform : public CHeadlessPlatform {
public:
    EMsgAnswer MessageBox(const std::string& text, const std::string& title,
                          EMsgButtons buttons) override;
};

/// Records the terminal form of the messages shown while it is installed (they are printed
/// all the same), so that a command can put the reason for a failure into its output.
class CCliMessages : public CForwardingPlatform {
public:
    CCliMessages() : CForwardingPlatform(Platform()), m_scope(*this) {}
    EMsgAnswer MessageBox(const std::string& text, const std::string& title,
                          EMsgButtons buttons) override;
    /// The last message shown; "failed" when there was none.
    std::string Last() const { return m_texts.empty() ? "failed" : m_texts.back(); }

private:
    std::vector<std::string> m_texts;
    CScopedPlatform m_scope;
};
