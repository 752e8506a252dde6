// The message file loader: two passes over the file's bytes with one small
// state machine that finds the body tag and then the numbered entries.
#include "log/message_file.h"
#include "log/texts.h"

#include <ostream>
#include <string>

namespace qp {

namespace {

// The machine's states.
enum class State {
    Outside = 1,   // outside tags
    AfterOpen,     // after "<"
    SawB,
    InOtherTag,    // inside a tag that is not the body tag
    SawBO,
    SawBOD,
    SkipTag,       // skip to the end of a tag
    Number,        // reading an entry number
    Text,          // reading an entry text
};

// Blanks inside the body tag's name: space and vertical tab (not the tab).
bool is_blank(char c) { return c == ' ' || c == '\v'; }

// One letter of the tag name B, O, D, Y: the next state, or InOtherTag.
State letter_step(State s, char c, char upper, State next) {
    if (is_blank(c)) return s;
    if (c == upper || c == static_cast<char>(upper - 'A' + 'a')) return next;
    return State::InOtherTag;
}

// States 1 to 7: finds the body tag.  The ">" that ends the body tag
// leads to Number, where the entries begin.
State tag_step(State s, char c) {
    switch (s) {
        case State::Outside: return c == '<' ? State::AfterOpen : s;
        case State::AfterOpen: return letter_step(s, c, 'B', State::SawB);
        case State::SawB: return letter_step(s, c, 'O', State::SawBO);
        case State::SawBO: return letter_step(s, c, 'D', State::SawBOD);
        case State::SawBOD: return letter_step(s, c, 'Y', State::SkipTag);
        case State::InOtherTag: return c == '>' ? State::Outside : s;
        case State::SkipTag: return c == '>' ? State::Number : s;
        default: return s;
    }
}

}  // namespace

bool load_message_file(std::string_view bytes, Catalog& catalog, std::ostream& console,
                       std::string* head) {
    // Pass 1: the entries.
    State s = State::Outside;
    int number = 0;
    int entry = 0;   // the number of the entry whose text is being read
    std::string text;
    bool closed = false;
    for (std::size_t i = 0; i < bytes.size() && !closed; ++i) {
        char c = bytes[i];
        switch (s) {
            case State::Number:
                if (c >= '0' && c <= '9') {
                    number = number * 10 + (c - '0');
                    if (number > kMessageNumberCap) number = kMessageNumberCap;
                } else if (c == ':') {
                    entry = number;
                    if (entry < 1 || entry > kCatalogSize) {
                        console << kTooManyMessages;
                        s = State::SkipTag;
                    } else {
                        text.clear();
                        s = State::Text;
                    }
                } else if (c == '<') {
                    closed = true;
                }
                break;
            case State::Text:
                if (c == '<') {
                    if (static_cast<int>(text.size()) > kCatalogTextMax) text.resize(kCatalogTextMax);
                    catalog.at_number(entry) = text;
                    s = State::SkipTag;
                } else if (static_cast<int>(text.size()) <= kCatalogTextMax) {
                    text.push_back(c);
                } else {
                    console << kMessageTooLong << std::to_string(entry) << kMessageTooLongEnd;
                    text.resize(kCatalogTextMax);
                    catalog.at_number(entry) = text;
                    s = State::SkipTag;
                }
                break;
            default: {
                State next = tag_step(s, c);
                if (next == State::Number) number = 0;
                s = next;
                break;
            }
        }
    }
    if (!closed) return false;

    // Pass 2: the head, up to the body tag's closing ">".
    std::string copied;
    s = State::Outside;
    for (char c : bytes) {
        if (c != '\r') copied.push_back(c);
        s = tag_step(s, c);
        if (s == State::Number) {
            copied.push_back('\n');
            *head = std::move(copied);
            return true;
        }
    }
    return false;
}

}  // namespace qp
