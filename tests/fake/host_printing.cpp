// The text of host values, errors and results in test failure messages.
#include "host_printing.h"

#include <ostream>

namespace tallowin {

namespace {

struct ValuePrinter {
    std::ostream* out;

    void operator()(Null) const { *out << "Null"; }
    void operator()(const std::string& text) const { printing::text(text, out); }
    void operator()(std::int64_t number) const { *out << number; }
    void operator()(bool flag) const { *out << (flag ? "True" : "False"); }
    void operator()(const TextArray& array) const {
        *out << '{';
        for (std::size_t i = 0; i < array.size(); ++i) {
            if (i > 0) *out << ", ";
            printing::text(array[i], out);
        }
        *out << '}';
    }
};

}  // namespace

void PrintTo(Null, std::ostream* out) { *out << "Null"; }

void PrintTo(const HostValue& value, std::ostream* out) { std::visit(ValuePrinter{out}, value); }

void PrintTo(const HostError& error, std::ostream* out) {
    *out << "error " << error.number << ": ";
    printing::text(error.description, out);
}

void PrintTo(const std::unexpected<HostError>& error, std::ostream* out) {
    PrintTo(error.error(), out);
}

namespace printing {

// Host text may hold anything: bytes below 0x20, DEL, quotes and
// backslashes are escaped, so that the line shows what the text holds.
void text(std::string_view text, std::ostream* out) {
    *out << '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            *out << '\\' << c;
        } else if (c == '\r') {
            *out << "\\r";
        } else if (c == '\n') {
            *out << "\\n";
        } else if (c == '\t') {
            *out << "\\t";
        } else if (byte < 0x20 || byte == 0x7f) {
            constexpr std::string_view kDigits = "0123456789abcdef";
            *out << "\\x" << kDigits[byte >> 4U] << kDigits[byte & 0xfU];
        } else {
            *out << c;
        }
    }
    *out << '"';
}

void number(std::int64_t number, std::ostream* out) { *out << number; }

void unsignedNumber(std::uint64_t number, std::ostream* out) { *out << number; }

void object(bool present, std::ostream* out) { *out << (present ? "an object" : "no object"); }

}  // namespace printing

}  // namespace tallowin
