#pragma once

#include "common/Phrases.h"
#include "common/ZepError.h"
#include "prompt/PromptTypes.h"

// What a compilation or an export came to. The engines show nothing themselves: the
// compile dialog, the designer's build commands and zepc turn an outcome into a box or
// an exit code.
struct CompileOutcome
{
    enum class Result {
        Written,
        // Nothing written and nothing wrong: the author said no, or the folder holds
        // what a sub menu cannot go beside.
        Declined,
        // The compile-failed flag: a refused field or an error while writing.
        Failed,
    };

    Result result = Result::Written;
    // What the author is owed about it; no text when there is nothing to say.
    MessageRequest notice;

    static CompileOutcome written(MessageRequest notice = {}) { return {Result::Written, std::move(notice)}; }
    static CompileOutcome declined(MessageRequest notice = {}) { return {Result::Declined, std::move(notice)}; }
    static CompileOutcome failed(MessageRequest notice) { return {Result::Failed, std::move(notice)}; }
    // The numbered error box of a file that could not be written.
    static CompileOutcome failed(const ZepError &error)
    {
        return failed({error.description, Phrases::text(Phrase::ErrorNumber) + QString::number(error.number),
                       MessageIcon::Critical});
    }

    bool isWritten() const { return result == Result::Written; }
    bool isFailed() const { return result == Result::Failed; }
    bool hasNotice() const { return !notice.text.isEmpty(); }
};
