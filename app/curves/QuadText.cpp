#include "app/curves/QuadText.h"

#include <array>
#include <cmath>

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

std::string replacingLineFeeds(std::string_view text, std::string_view replacement) {
    std::string result;
    for (const char c : text) {
        if (c == '\n')
            result += replacement;
        else
            result += c;
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
};

// Reads the parts of a .quad file front to back. Each read takes a whole part
// or, when the part is not all there, takes nothing and answers nothing.
class LineReader {
public:
    explicit LineReader(const std::vector<std::string>& lines) : lines_(lines) {}

    std::size_t remaining() const { return lines_.size() - next_; }

    // The header line and the note lines up to the first channel line; the
    // channel line stays unread. Nothing when no channel line follows.
    std::optional<HeaderAndNotes> readHeaderAndNotes() {
        if (remaining() == 0) return std::nullopt;
        std::size_t marker = next_ + 1;
        while (marker < lines_.size() && !isChannelMarker(lines_[marker])) ++marker;
        if (marker == lines_.size()) return std::nullopt;
        HeaderAndNotes part{lines_[next_], {}};
        std::string notes;
        for (std::size_t i = next_ + 1; i < marker; ++i) {
            if (i > next_ + 1) notes += '\n';
            notes += lines_[i];
        }
        part.notes = removingCommentPrefix(notes);
        next_ = marker;
        return part;
    }

    // One channel: its name line and channelLength value lines. Nothing when
    // fewer lines remain.
    std::optional<Channel> readChannel() {
        if (remaining() < channelLength + 1) return std::nullopt;
        Channel channel{lines_[next_], {}};
        channel.values.reserve(channelLength);
        for (std::size_t i = 1; i <= channelLength; ++i)
            channel.values.push_back(platform::parseFiniteDouble(lines_[next_ + i]).value_or(0.0));
        next_ += channelLength + 1;
        return channel;
    }

private:
    const std::vector<std::string>& lines_;
    std::size_t next_ = 0;
};

} // namespace

std::vector<std::string> linesFromText(std::string_view text) {
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
    for (const auto& header : knownHeaders)
        if (header.line == headerLine) return header.inks;
    return 0;
}

bool isChannelMarker(std::string_view line) {
    for (const auto marker : channelMarkers)
        if (marker == line) return true;
    return false;
}

ParseResult parse(const std::vector<std::string>& lines) {
    using Fault = ParseError::Fault;
    const int inks = lines.empty() ? 0 : inkCountOfHeader(lines.front());
    if (inks == 0) return ParseError{Fault::unknownHeader, "The first line is not a known .quad header line."};

    LineReader reader(lines);
    auto head = reader.readHeaderAndNotes();
    if (!head) return ParseError{Fault::noChannelLine, "No channel line follows the notes."};
    Contents contents{std::move(head->header), std::move(head->notes), {}, {}};
    for (int i = 0; i < inks; ++i) {
        auto channel = reader.readChannel();
        if (!channel)
            return ParseError{Fault::endsEarly,
                              "The file ends before all " + std::to_string(inks) + " channels are complete."};
        contents.inkList.push_back(std::move(channel->name));
        contents.curves.push_back(std::move(channel->values));
    }
    return contents;
}

std::string notesBlock(const std::optional<std::string>& notes) {
    if (!notes) return "# Silvermark Tintsmith-DN v2.4";
    return "# " + replacingLineFeeds(*notes, "\n# ");
}

std::string valueText(double value) {
    if (std::isnan(value) || value <= 0) return "0";
    if (value >= 65535) return "65535";
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
