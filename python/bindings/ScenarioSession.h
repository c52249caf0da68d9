#pragma once

#include "CallErrors.h"
#include "CallPlatform.h"

#include "document/QueltaDoc.h"

#include <pybind11/pybind11.h>

#include <locale.h>

#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

/// What a piece of work running inside a call sees: the document and the call's platform.
struct SCall {
    CQueltaDoc& doc;
    CCallPlatform& platform;
    const char* code;

    /// Ends the call with a quelta.Error built from the messages the core showed.
    [[noreturn]] void Fail(const std::string& fallback) const {
        throw ErrorFromMessages(code, platform.Messages(), fallback);
    }
    /// Ends the call with a quelta.Error of the call's code and this message.
    [[noreturn]] void Refuse(const std::string& message) const {
        throw CQueltaError(code, message);
    }
};

/// Numbers are read and written with a point on the calling thread while alive, whatever
/// locale the interpreter's program chose.
class CScopedCLocale {
public:
    CScopedCLocale();
    ~CScopedCLocale();
    CScopedCLocale(const CScopedCLocale&) = delete;
    CScopedCLocale& operator=(const CScopedCLocale&) = delete;

private:
    locale_t m_previous;
};

/// One scenario of the Python module: a document of its own, used by one call at a time.
/// Every call gives up the interpreter's lock while it works, so other Python threads (and
/// other scenarios) run meanwhile; calls on the same scenario wait for each other.
class CScenarioSession {
public:
    /// Runs `work(SCall&)` on the document without the interpreter's lock, with the call's own
    /// platform on the thread. Ctrl-C on the main thread stops a long computation and is
    /// raised as KeyboardInterrupt; a CQueltaError becomes quelta.Error; messages of a call
    /// that succeeded become warnings. `work` must not touch Python objects.
    template <typename Work> auto Run(const char* code, Work&& work) {
        using Result = decltype(work(std::declval<SCall&>()));
        CCallPlatform platform;
        std::exception_ptr error;
        std::optional<Result> result;
        {
            pybind11::gil_scoped_release release;
            std::lock_guard lock(m_mutex);
            const CScopedPlatform scope(platform);
            const CScopedCLocale locale;
            if (!m_doc)
                m_doc = std::make_unique<CQueltaDoc>();
            SCall call{*m_doc, platform, code};
            try {
                result.emplace(work(call));
            } catch (...) {
                error = std::current_exception();
            }
        }
        platform.RaisePendingSignal();
        if (error)
            std::rethrow_exception(error);
        if (WarnAboutMessages(platform.Messages()))
            throw pybind11::error_already_set();
        return std::move(*result);
    }

private:
    std::mutex m_mutex;
    /// Made by the first call, so that the reset's messages are the call's.
    std::unique_ptr<CQueltaDoc> m_doc;
};
