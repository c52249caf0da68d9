#pragma once

#include <any>
#include <optional>
#include <typeinfo>

/// A dialog question whose record belongs to a layer above the platform seam (the document's
/// settings, the Monte Carlo settings). The seam carries it without knowing the record: the
/// desktop recognises the questions it has dialogs for, and the headless platform hands it the
/// next scripted answer queued for the record's type.
class CDialogQuestion {
public:
    virtual ~CDialogQuestion() = default;
    /// The dialog's name in the list of questions asked ("Configuration").
    virtual const char* Name() const = 0;
    /// The type of the answer record; scripts queue a std::optional of it.
    virtual const std::type_info& AnswerType() const = 0;
    /// Takes a scripted answer: a std::any holding a std::optional of the answer record.
    virtual void TakeScriptedAnswer(const std::any& answer) = 0;
    /// Answers as a platform without a scripted answer does; by default the question stays
    /// unanswered, which stands for Cancel.
    virtual void TakeUnscriptedAnswer() {}
};

/// A dialog question answered by a record of type `Record`, or by nothing (cancelled).
template <typename Record> class TDialogQuestion : public CDialogQuestion {
public:
    const std::type_info& AnswerType() const override { return typeid(Record); }
    void TakeScriptedAnswer(const std::any& answer) override {
        m_answer = std::any_cast<const std::optional<Record>&>(answer);
    }
    /// Gives the dialog's answer (nothing: cancelled).
    void SetAnswer(std::optional<Record> answer) { m_answer = std::move(answer); }
    /// The answer given so far; nothing while unanswered or cancelled.
    const std::optional<Record>& Answer() const { return m_answer; }

private:
    std::optional<Record> m_answer;
};
