#include "platform/Platform.h"

#include "platform/ErrorText.h"
#include "platform/HeadlessPlatform.h"

#include <iostream>

namespace {

/// The platform the front end installed for the whole process.
CPlatform*& InstalledPlatform() {
    static CPlatform* installed = nullptr;
    return installed;
}

/// The platform a scope installed on this thread; it comes before the process's own, so that
/// scenarios computed on several threads at once each keep their own messages and cancel poll.
CPlatform*& ScopedPlatform() {
    thread_local CPlatform* scoped = nullptr;
    return scoped;
}

CPlatform& DefaultPlatform() {
    static CHeadlessPlatform headless(&std::cerr);
    return headless;
}

} // namespace

CPlatform& Platform() {
    if (CPlatform* scoped = ScopedPlatform())
        return *scoped;
    CPlatform* installed = InstalledPlatform();
    return installed ? *installed : DefaultPlatform();
}

void SetPlatform(CPlatform* platform) {
    InstalledPlatform() = platform;
}

CScopedPlatform::CScopedPlatform(CPlatform& platform) : m_previous(ScopedPlatform()) {
    ScopedPlatform() = &platform;
}

CScopedPlatform::~CScopedPlatform() {
    ScopedPlatform() = m_previous;
}

void ErrorBox(const std::string& code, const std::string& message) {
    CPlatform& platform = Platform();
    if (platform.MessageBox(ErrorBoxText(code, message), "Quelta", EMsgButtons::OkCancel) ==
        EMsgAnswer::Cancel)
        platform.ExitProgram(1);
}

void UserErrorBox(const std::string& code, const std::string& message) {
    UserErrorBox(code, message, "");
}

void UserErrorBox(const std::string& code, const std::string& message, const std::string& advice) {
    Platform().MessageBox(UserErrorText(code, message, advice), "Quelta", EMsgButtons::Ok);
}

void MessageBoxOk(const std::string& text, const std::string& title) {
    Platform().MessageBox(text, title, EMsgButtons::Ok);
}

std::optional<SMemberSubsetAnswer> CPlatform::AskMemberSubset(const std::string&,
                                                              const std::vector<SMemberChoice>&) {
    return std::nullopt;
}

std::optional<SRegularPolygonSettings>
CPlatform::AskRegularPolygon(const SRegularPolygonSettings&) {
    return std::nullopt;
}

std::optional<SAgendaSettings> CPlatform::AskAgenda(const SAgendaSettings&) {
    return std::nullopt;
}

std::optional<SRationalityModelAnswer>
CPlatform::AskRationalityModel(const std::vector<SCommitteeChoice>&) {
    return std::nullopt;
}

std::optional<SBenefitOfDoubtAnswer> CPlatform::AskBenefitOfDoubt(double) {
    return std::nullopt;
}

std::optional<SWinSetListAnswer> CPlatform::AskWinSetListEdits(const std::vector<std::string>&) {
    return std::nullopt;
}
