// The recorded-line reader and writer: any line that reads as a command is
// written back to a line that reads as the same command (the same word,
// colour and text, the numbers as recorded), and writing that command again
// gives the very same line.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "logo/command.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    (void)logo::isReplaySkipMarker(line);
    const auto read = logo::parse(line);
    if (!read) return 0;
    const std::string written = logo::toText(*read);
    const auto again = logo::parse(written);
    if (!again) fuzzFailure("a written line does not read back", written);
    if (again->word != read->word || again->color != read->color || again->text != read->text ||
        again->args.size() != read->args.size())
        fuzzFailure("a written line reads back to another command", written);
    if (logo::toText(*again) != written) fuzzFailure("writing the command read back gives another line", written);
    return 0;
}
