#pragma once
// One value of a chart. `ChartDataEntryBase` holds the value, an application payload and an
// optional icon; `ChartDataEntry` adds the position on the x axis. Entries are shared objects:
// data sets hold references, and copying a data set shares its entries.
//
// The x and y getters are not virtual: every search of a data set reads them, and no entry kind
// changes how they read. The setters are the override points.
#include <any>
#include <memory>
#include <string>

namespace kit {
class Image;
}

namespace charting {

struct ChartDataEntryExtras;

class ChartDataEntryBase {
public:
    ChartDataEntryBase() = default;
    explicit ChartDataEntryBase(double y) : y_(y) {}
    ChartDataEntryBase(double y, std::any data);
    ChartDataEntryBase(double y, std::shared_ptr<const kit::Image> icon);
    ChartDataEntryBase(double y, std::shared_ptr<const kit::Image> icon, std::any data);
    virtual ~ChartDataEntryBase();
    ChartDataEntryBase(const ChartDataEntryBase&) = delete;
    ChartDataEntryBase& operator=(const ChartDataEntryBase&) = delete;

    double y() const { return y_; }
    virtual void setY(double y) { y_ = y; }

    // The application's payload, stored as given (an object payload stays shared); empty = none.
    virtual const std::any& data() const;
    virtual void setData(std::any data);

    virtual std::shared_ptr<const kit::Image> icon() const;
    virtual void setIcon(std::shared_ptr<const kit::Image> icon);

    // Same object, or an entry whose y is exactly equal (NaN equals nothing); payload and icon
    // never take part. Not symmetric across kinds, so there is deliberately no operator==.
    virtual bool isEqual(const ChartDataEntryBase* other) const;
    // "ChartDataEntryBase, y 1.5"
    virtual std::string description() const;

private:
    // Payload and icon are rare: they are kept in a table of their own, keyed by the entry, so that an
    // entry holds no more than its values (a long line holds millions of them).
    ChartDataEntryExtras& extras();
    const ChartDataEntryExtras* findExtras() const;

    double y_ = 0.0;
};

class ChartDataEntry : public ChartDataEntryBase {
public:
    ChartDataEntry() = default;
    ChartDataEntry(double x, double y) : ChartDataEntryBase(y), x_(x) {}
    ChartDataEntry(double x, double y, std::any data);
    ChartDataEntry(double x, double y, std::shared_ptr<const kit::Image> icon);
    ChartDataEntry(double x, double y, std::shared_ptr<const kit::Image> icon, std::any data);

    double x() const { return x_; }
    virtual void setX(double x) { x_ = x; }

    // Same object, or an entry of this kind with exactly equal y and x.
    bool isEqual(const ChartDataEntryBase* other) const override;
    // "ChartDataEntry, x: 2.0, y 1.5"
    std::string description() const override;

    // A new entry of the receiver's own kind with x, y and payload; the icon is not copied.
    std::shared_ptr<ChartDataEntry> copy() const;

protected:
    // Kinds override both: the empty object of their own kind, and the copy of their own fields
    // after calling the base's.
    virtual std::shared_ptr<ChartDataEntry> makeEmpty() const;
    virtual void copyInto(ChartDataEntry& copy) const;

private:
    double x_ = 0.0;
};

} // namespace charting
