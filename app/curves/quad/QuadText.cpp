#include "app/curves/quad/QuadText.h"

#include <array>
#include <cctype>
#include <cmath>

#include "app/curves/core/MessageText.h"
#include "platform/NumberText.h"

namespace curves::quadtext {

namespace {

struct KnownHeader {
    std::string_view line;
    int inks;
};

constexpr std::array<KnownHeader, 8> knownHeaders{{
    {"## QuadToneRIP K,C,M,Y", 4},
    {"## QuadToneRIP K,C,M,Y,LC,LM", 6},
    {"## QuadToneRIP K,C,M,Y,LC,LM,LK", 7},
    {"## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK", 8},
    {"## QuadToneRIP MK,C,M,Y,R,B,PK,GL", 8},
    {"## QuadToneRIP MK,C,M,Y,R,OR,PK,GL", 8},
    {"## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,OR,GR", 10},
    {"## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,V,MK", 10},
}};

constexpr std::array<std::string_view, 8> channelMarkers{"# K Curve", "K Curve",    "MK Curve",   "# K curve",
                                                         "# K CURVE", "# MK Curve", "# MK curve", "# MK CURVE"};

std::string removingCommentPrefix(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, 2, "# ") == 0) {
            i += 2;
        } else {
            result += text[i];
            ++i;
        }
    }
    return result;
}

struct HeaderAndNotes {
    std::string header;
    std::string notes;
};

struct Channel {
    std::string name;
    std::vector<double> values;
    std::size_t nameLine = 0;                   // 0-based index of the name line
    std::optional<std::size_t> unreadableValue; // index of the first value line that is no quad value
};

constexpr std::string_view blanks = " \t\v\f";

bool isBlank(std::string_view line) { return line.find_first_not_of(blanks) == std::string_view::npos; }

// The line without the blanks after its text: editors leave them after a
// header or channel line, and they say nothing.
std::string_view withoutTrailingBlanks(std::string_view line) {
    const auto last = line.find_last_not_of(blanks);
    return last == std::string_view::npos ? std::string_view() : line.substr(0, last + 1);
}

std::string_view withoutSurroundingBlanks(std::string_view line) {
    const auto first = line.find_first_not_of(blanks);
    return first == std::string_view::npos ? std::string_view() : withoutTrailingBlanks(line.substr(first));
}

// A value line read as a quad value: a C-locale number from 0 to 65535,
// blanks around it ignored. Nothing for anything else, so that no value is
// made up: a curve built on a guessed value would ink where the file did not.
std::optional<double> quadValue(std::string_view line) {
    const auto value = platform::parseFiniteDouble(withoutSurroundingBlanks(line));
    if (!value || *value < 0 || *value > maximumValue) return std::nullopt;
    return value;
}

// Whether the line, blanks around it ignored, is a number: where a channel
// line belongs, that is one value too many.
bool isNumberLine(std::string_view line) {
    return platform::parseFiniteDouble(withoutSurroundingBlanks(line)).has_value();
}

// Reads the parts of a .quad file front to back. Each read takes a whole part
// or, when the part is not all there, takes nothing and answers nothing.
class LineReader {
public:
    // Blank lines at the end of the text (the final line feed leaves one)
    // are no values: a channel cut short there is incomplete, not padded.
    explicit LineReader(const std::vector<std::string>& lines) : lines_(lines), end_(lines.size()) {
        while (end_ > 0 && isBlank(lines_[end_ - 1])) --end_;
    }

    std::size_t remaining() const { return lines_.size() - next_; }
    std::size_t next() const { return next_; }
    const std::string& line(std::size_t index) const { return lines_[index]; }

    // The header line and the note lines up to the first channel line; the
    // channel line stays unread. Nothing when no channel line follows.
    std::optional<HeaderAndNotes> readHeaderAndNotes() {
        if (remaining() == 0) return std::nullopt;
        std::size_t marker = next_ + 1;
        while (marker < lines_.size() && !isChannelMarker(lines_[marker])) ++marker;
        if (marker == lines_.size()) return std::nullopt;
        HeaderAndNotes part{std::string(withoutTrailingBlanks(lines_[next_])), {}};
        std::string notes;
        for (std::size_t i = next_ + 1; i < marker; ++i) {
            if (i > next_ + 1) notes += '\n';
            // A lone "#" is an empty note line (files space their notes so).
            if (withoutTrailingBlanks(lines_[i]) != "#") notes += lines_[i];
        }
        part.notes = removingCommentPrefix(notes);
        next_ = marker;
        return part;
    }

    // One channel: its name line (trailing blanks dropped) and the value
    // lines after it, up to channelLength of them; a channel line among them
    // ends the channel early (the caller sees fewer values), and the first
    // line that is no quad value is noted. Nothing when the text ends first.
    std::optional<Channel> readChannel() {
        if (next_ >= end_) return std::nullopt;
        Channel channel{std::string(withoutTrailingBlanks(lines_[next_])), {}, next_, std::nullopt};
        channel.values.reserve(channelLength);
        std::size_t at = next_ + 1;
        for (; at < end_ && channel.values.size() < channelLength; ++at) {
            if (looksLikeChannelLine(lines_[at])) break;
            const auto value = quadValue(lines_[at]);
            if (!value && !channel.unreadableValue) channel.unreadableValue = at;
            channel.values.push_back(value.value_or(0.0));
        }
        if (channel.values.size() < channelLength && at == end_) return std::nullopt;
        next_ = at;
        return channel;
    }

    // The first line from here on that is not blank; nothing when none is.
    std::optional<std::size_t> nextTextLine() const {
        for (std::size_t i = next_; i < end_; ++i)
            if (!isBlank(lines_[i])) return i;
        return std::nullopt;
    }

private:
    const std::vector<std::string>& lines_;
    std::size_t end_;
    std::size_t next_ = 0;
};

std::string lineNumber(std::size_t index) { return "line " + std::to_string(index + 1); }

} // namespace

std::vector<std::string> linesFromText(std::string_view text) {
    // Editors that save "UTF-8 with BOM" put one before the header line.
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<std::string> lines(1);
    for (const char c : text) {
        if (c == '\r') continue;
        if (c == '\n')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    return lines;
}

int inkCountOfHeader(std::string_view headerLine) {
    headerLine = withoutTrailingBlanks(headerLine);
    for (const auto& header : knownHeaders)
        if (header.line == headerLine) return header.inks;
    return 0;
}

bool isChannelMarker(std::string_view line) {
    line = withoutTrailingBlanks(line);
    for (const auto marker : channelMarkers)
        if (marker == line) return true;
    return false;
}

bool looksLikeChannelLine(std::string_view line) {
    if (line.starts_with('#')) return true;
    line = withoutTrailingBlanks(line);
    constexpr std::string_view curve = "curve";
    if (line.size() < curve.size()) return false;
    const auto end = line.substr(line.size() - curve.size());
    for (std::size_t i = 0; i < curve.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(end[i])) != curve[i]) return false;
    return true;
}

ParseResult parse(const std::vector<std::string>& lines) {
    using Fault = ParseError::Fault;
    const int inks = lines.empty() ? 0 : inkCountOfHeader(lines.front());
    if (inks == 0) return ParseError{Fault::unknownHeader, "The first line is not a known .quad header line."};

    LineReader reader(lines);
    auto head = reader.readHeaderAndNotes();
    if (!head) return ParseError{Fault::noChannelLine, "No channel line follows the notes."};
    Contents contents{std::move(head->header), std::move(head->notes), {}, {}};
    const auto endsEarly = [&] {
        return ParseError{Fault::endsEarly,
                          "The file ends before all " + std::to_string(inks) + " channels are complete."};
    };
    for (int i = 0; i < inks; ++i) {
        if (i > 0 && reader.remaining() > 0 && isNumberLine(reader.line(reader.next())))
            return ParseError{Fault::longChannel, "The channel \"" + contents.inkList.back() + "\" has more than " +
                                                      std::to_string(channelLength) + " values (" +
                                                      lineNumber(reader.next()) +
                                                      " holds a value where the next channel line belongs)."};
        auto channel = reader.readChannel();
        if (!channel) return endsEarly();
        if (channel->unreadableValue)
            return ParseError{Fault::unreadableValue,
                              "Line " + std::to_string(*channel->unreadableValue + 1) + " holds " +
                                  quotedForMessage(reader.line(*channel->unreadableValue)) +
                                  " where a value of the channel \"" + channel->name +
                                  "\" belongs; values are numbers from 0 to " + std::to_string(maximumValue) + "."};
        if (channel->values.size() < channelLength)
            return ParseError{Fault::shortChannel,
                              "The channel \"" + channel->name + "\" has " + std::to_string(channel->values.size()) +
                                  " values before the next channel line (" + lineNumber(reader.next()) + "); " +
                                  std::to_string(channelLength) + " are needed."};
        contents.inkList.push_back(std::move(channel->name));
        contents.curves.push_back(std::move(channel->values));
    }
    if (const auto extra = reader.nextTextLine()) {
        if (isNumberLine(reader.line(*extra)))
            return ParseError{Fault::longChannel, "The channel \"" + contents.inkList.back() + "\" has more than " +
                                                      std::to_string(channelLength) + " values (" + lineNumber(*extra) +
                                                      ")."};
        return ParseError{Fault::linesAfterLastChannel, "Lines follow the last channel, from " + lineNumber(*extra) +
                                                            ": \"" + reader.line(*extra) + "\"."};
    }
    return contents;
}

std::string notesBlock(const std::optional<std::string>& notes) {
    if (!notes) return "# Silvermark Tintsmith-DN v2.4";
    // An empty note line is written as a lone "#", as it is read.
    std::string block;
    std::size_t start = 0;
    while (true) {
        const auto end = notes->find('\n', start);
        const std::string_view line = std::string_view(*notes).substr(start, end - start);
        block += line.empty() ? "#" : "# ";
        block += line;
        if (end == std::string::npos) return block;
        block += '\n';
        start = end + 1;
    }
}

std::string valueText(double value) {
    if (std::isnan(value) || value <= 0) return "0";
    if (value >= maximumValue) return std::to_string(maximumValue);
    return std::to_string(static_cast<long>(std::trunc(value)));
}

std::string write(std::string_view header, std::string_view notes, const std::vector<std::string>& inkList,
                  const Curves& curves) {
    std::string text(header);
    text += '\n';
    text += notes;
    const std::vector<double> none;
    for (std::size_t ink = 0; ink < inkList.size(); ++ink) {
        text += '\n';
        text += inkList[ink];
        const auto& curve = ink < curves.size() ? curves[ink] : none;
        for (std::size_t i = 0; i < channelLength; ++i) {
            text += '\n';
            text += i < curve.size() ? valueText(curve[i]) : "0";
        }
    }
    return text;
}

} // namespace curves::quadtext
