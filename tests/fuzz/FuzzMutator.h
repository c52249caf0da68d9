#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

/// A seeded mutator of text inputs: each input is one to eight edits (bytes flipped, inserted
/// or removed, ranges repeated or dropped, numbers replaced by awkward ones, pieces of the
/// input language inserted, lines spliced in from another seed) of a seed of the corpus.
/// The same seed and index always give the same input, so a finding is reproduced by its pair.
class CFuzzMutator {
public:
    /// `tokens` are pieces of the input's language worth inserting (keywords, separators).
    CFuzzMutator(std::vector<std::string> corpus, std::vector<std::string> tokens)
        : m_corpus(std::move(corpus)), m_tokens(std::move(tokens)) {}

    /// The input number `index` of the run with `seed`.
    std::string Input(std::uint64_t seed, std::uint64_t index) {
        m_random.seed(seed * 0x9E3779B97F4A7C15ULL + index);
        std::string text = m_corpus[Below(m_corpus.size())];
        const std::size_t edits = 1 + Below(8);
        for (std::size_t i = 0; i < edits; ++i)
            Edit(text);
        return text;
    }

private:
    std::size_t Below(std::size_t n) { return n == 0 ? 0 : m_random() % n; }

    void Edit(std::string& text) {
        const std::size_t at = Below(text.size() + 1);
        switch (Below(8)) {
        case 0:
            if (!text.empty())
                text[Below(text.size())] ^= static_cast<char>(1u << Below(8));
            break;
        case 1:
            text.insert(at, 1, static_cast<char>(Below(256)));
            break;
        case 2:
            text.erase(at, Below(16));
            break;
        case 3:
            text.insert(at, text.substr(at, Below(64)));
            break;
        case 4:
            ReplaceNumber(text);
            break;
        case 5:
        case 6:
            text.insert(at, m_tokens[Below(m_tokens.size())]);
            break;
        default:
            SpliceLine(text, at);
            break;
        }
    }

    /// Replaces the digits at a random place by a number from the edges of what is read.
    void ReplaceNumber(std::string& text) {
        static const char* const numbers[] = {
            "0",          "-1",          "1e308",       "-1e308", "1e-320", "nan",  "inf",
            "-inf",       "1e-7",        "4e-7",        "0.5",    "1.5",    "-0.2", "1e3",
            "2147483647", "-2147483648", "99999999999", "3600",   "20000",  "6",    "5",
            "0x10",       "1e",          "--1",         ".",      "1e400"};
        const std::size_t digit = text.find_first_of("0123456789", Below(text.size() + 1));
        if (digit == std::string::npos)
            return;
        std::size_t end = digit;
        while (end < text.size() &&
               (std::isdigit(static_cast<unsigned char>(text[end])) || text[end] == '.'))
            ++end;
        text.replace(digit, end - digit, numbers[Below(std::size(numbers))]);
    }

    void SpliceLine(std::string& text, std::size_t at) {
        const std::string& other = m_corpus[Below(m_corpus.size())];
        if (other.empty())
            return;
        const std::size_t start = other.rfind('\n', Below(other.size()));
        const std::size_t from = start == std::string::npos ? 0 : start + 1;
        const std::size_t end = other.find('\n', from);
        text.insert(at, other.substr(from, end == std::string::npos ? end : end - from + 1));
    }

    std::vector<std::string> m_corpus;
    std::vector<std::string> m_tokens;
    std::mt19937_64 m_random;
};
