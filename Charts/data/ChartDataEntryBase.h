#pragma once
#include <any>
#include <optional>
#include <string>

#include <QImage>

namespace charts {

// One data point's value, with an optional image drawn at the point and an
// optional payload that belongs to the caller (stored, returned and copied,
// never looked into).
class ChartDataEntryBase {
public:
    ChartDataEntryBase() = default;
    explicit ChartDataEntryBase(double y) : y_(y) {}
    ChartDataEntryBase(double y, std::any data) : y_(y), data_(std::move(data)) {}
    ChartDataEntryBase(double y, QImage icon) : y_(y), icon_(std::move(icon)) {}
    ChartDataEntryBase(double y, QImage icon, std::any data) : y_(y), data_(std::move(data)), icon_(std::move(icon)) {}
    virtual ~ChartDataEntryBase() = default;

    ChartDataEntryBase(const ChartDataEntryBase&) = delete;
    ChartDataEntryBase& operator=(const ChartDataEntryBase&) = delete;

    virtual double y() const { return y_; }
    virtual void setY(double y) { y_ = y; }
    // An empty std::any is "no payload".
    virtual const std::any& data() const { return data_; }
    virtual void setData(std::any data) { data_ = std::move(data); }
    virtual const std::optional<QImage>& icon() const { return icon_; }
    virtual void setIcon(std::optional<QImage> icon) { icon_ = std::move(icon); }

    virtual std::string description() const;

    // Equal to any entry of this class or a subclass with the same y; always
    // equal to itself. Payload and icon do not count.
    virtual bool isEqual(const ChartDataEntryBase* other) const;

private:
    double y_ = 0;
    std::any data_;
    std::optional<QImage> icon_;
};

} // namespace charts
