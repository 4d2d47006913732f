#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace curves::quadtext {

// Reading and writing .quad text, free of panels, alerts and printing (those
// belong to QuadDataFile, at the edge).

using Curves = std::vector<std::vector<double>>;

// Values per channel.
inline constexpr std::size_t channelLength = 256;

// The largest quad value; the smallest is 0.
inline constexpr int maximumValue = 65535;

// The lines of .quad text: a leading byte-order mark dropped, carriage
// returns removed, split at line feeds (a final line feed gives a last empty
// line).
std::vector<std::string> linesFromText(std::string_view text);

// The ink count of one of the eight known header lines; 0 for any other line.
// Blanks after the line's text are ignored.
int inkCountOfHeader(std::string_view headerLine);

// Whether the line is one of the channel lines that end the notes (exact
// comparison, case as listed, blanks after the text ignored).
bool isChannelMarker(std::string_view line);

// A whole .quad file.
struct Contents {
    std::string header;               // the first line, without blanks after its text
    std::string notes;                // the lines up to the first channel line, "# " removed, a lone "#" empty
    std::vector<std::string> inkList; // each channel's name line, without blanks after its text
    Curves curves;                    // one curve of channelLength values per ink
};

// Why lines are no .quad file, and the reason the user is shown.
struct ParseError {
    enum class Fault {
        unknownHeader,
        noChannelLine,
        endsEarly,
        shortChannel,
        longChannel,
        unreadableValue,
        linesAfterLastChannel
    };
    Fault fault;
    std::string reason;
};

using ParseResult = std::variant<Contents, ParseError>;

// The file the lines hold, or why they hold none; never a part of a file. The
// header gives the ink count, the notes run up to the first channel line, then
// each channel is its name line and exactly channelLength value lines. A value
// line must be a C-locale number from 0 to maximumValue (blanks around it
// ignored); any other value line (-5, 70000, "nan", "12abc", a NUL) is a
// fault named with its line, as is a channel line among the values (too few
// values) or a number where the next channel line belongs (too many), since
// reading on would shift every later channel. After the last channel only
// blank lines may follow.
ParseResult parse(const std::vector<std::string>& lines);

// Whether a line reads as a channel's name line rather than a value: it
// begins with "#" or ends with "curve" in any case ("# LK curve", "K Curve"),
// blanks after it ignored.
bool looksLikeChannelLine(std::string_view line);

// The notes as written: "# " before every line, a lone "#" for an empty one;
// without notes, the maker's line.
std::string notesBlock(const std::optional<std::string>& notes);

// One curve value as written: whole quad units, truncated toward zero and kept
// to 0 to 65535; NaN is written as 0.
std::string valueText(double value);

// The .quad text: the header line, the notes block, then for each ink name
// line that line and the channelLength values of the curve at the same index
// (a missing curve or value is written as 0, so the file keeps the lines its
// header promises); lines joined by line feeds, none after the last.
std::string write(std::string_view header, std::string_view notes, const std::vector<std::string>& inkList,
                  const Curves& curves);

} // namespace curves::quadtext
