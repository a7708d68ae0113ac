// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// Two-dimensional geometry values: vectors (displacements and sizes), points (positions) and
// rectangles stored as position and size. One generic definition yields the integer family
// for device pixels (oVector, oPoint, oRect) and the real family for world coordinates
// (oRealVector, oRealPoint, oRealRect). A point plus a vector is a point, a point minus a
// point is a vector, and points cannot be added. Nothing assumes which way y points; the
// compass names only name corners, N being the smaller-y side.
//
// Every product or quotient with a real is formed in extended precision; the integer family
// then truncates toward zero (saturating at the 32-bit range, a NaN giving 0), never rounds.

#include "Precondition.h"
#include "Scale.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <type_traits>

namespace dimension_detail {

// An extended-precision result stored in the element type T.
template <class T> T stored(long double v) {
    if constexpr (std::is_integral_v<T>) {
        constexpr long double lowest = std::numeric_limits<T>::lowest();
        constexpr long double highest = std::numeric_limits<T>::max();
        if (v != v)
            return 0;
        if (v <= lowest)
            return std::numeric_limits<T>::lowest();
        if (v >= highest)
            return std::numeric_limits<T>::max();
        return static_cast<T>(v);
    } else {
        return static_cast<T>(v);
    }
}

template <class T> T product(T a, double b) { return stored<T>(static_cast<long double>(a) * b); }
template <class T> T quotient(T a, double b) { return stored<T>(static_cast<long double>(a) / b); }

// What vectors and points share: two components, per-axis scaling, projections and the
// componentwise partial order. Derived is the vector or point type itself.
template <class T, class Derived> struct oPair {
    T x{};
    T y{};

    oPair() = default;
    oPair(T x, T y) : x(x), y(y) {}

    // (x, 0) and (0, y).
    Derived xProj() const { return Derived(x, T{}); }
    Derived yProj() const { return Derived(T{}, y); }

    Derived& operator*=(const oScale& s) {
        x = product(x, s.x);
        y = product(y, s.y);
        return static_cast<Derived&>(*this);
    }
    Derived& operator/=(const oScale& s) {
        PRECONDITION(s.x != 0);
        PRECONDITION(s.y != 0);
        x = quotient(x, s.x);
        y = quotient(y, s.y);
        return static_cast<Derived&>(*this);
    }
    friend Derived operator*(Derived a, const oScale& s) { return a *= s; }
    friend Derived operator/(Derived a, const oScale& s) { return a /= s; }

    friend bool operator==(const Derived& a, const Derived& b) { return a.x == b.x && a.y == b.y; }
    friend bool operator!=(const Derived& a, const Derived& b) { return !(a == b); }
    // A partial order: each relation holds only when it holds for both components.
    friend bool operator<(const Derived& a, const Derived& b) { return a.x < b.x && a.y < b.y; }
    friend bool operator<=(const Derived& a, const Derived& b) { return a.x <= b.x && a.y <= b.y; }
    friend bool operator>(const Derived& a, const Derived& b) { return a.x > b.x && a.y > b.y; }
    friend bool operator>=(const Derived& a, const Derived& b) { return a.x >= b.x && a.y >= b.y; }
};

} // namespace dimension_detail

// A displacement or a size.
template <class T> struct oVectorT : dimension_detail::oPair<T, oVectorT<T>> {
    using Base = dimension_detail::oPair<T, oVectorT<T>>;
    using Base::Base;
    using Base::operator*=;
    using Base::operator/=;

    oVectorT& operator+=(const oVectorT& b) {
        this->x += b.x;
        this->y += b.y;
        return *this;
    }
    oVectorT& operator-=(const oVectorT& b) {
        this->x -= b.x;
        this->y -= b.y;
        return *this;
    }
    oVectorT& operator*=(double d) {
        this->x = dimension_detail::product(this->x, d);
        this->y = dimension_detail::product(this->y, d);
        return *this;
    }
    oVectorT& operator/=(double s) {
        PRECONDITION(s != 0);
        this->x = dimension_detail::quotient(this->x, s);
        this->y = dimension_detail::quotient(this->y, s);
        return *this;
    }
    friend oVectorT operator+(oVectorT a, const oVectorT& b) { return a += b; }
    friend oVectorT operator-(oVectorT a, const oVectorT& b) { return a -= b; }
    friend oVectorT operator-(const oVectorT& a) { return oVectorT(-a.x, -a.y); }
    friend oVectorT operator*(oVectorT a, double d) { return a *= d; }
    friend oVectorT operator/(oVectorT a, double s) { return a /= s; }
};

// A position. It moves by vectors; the difference of two positions is a vector.
template <class T> struct oPointT : dimension_detail::oPair<T, oPointT<T>> {
    using Base = dimension_detail::oPair<T, oPointT<T>>;
    using Base::Base;

    oPointT& operator+=(const oVectorT<T>& v) {
        this->x += v.x;
        this->y += v.y;
        return *this;
    }
    oPointT& operator-=(const oVectorT<T>& v) {
        this->x -= v.x;
        this->y -= v.y;
        return *this;
    }
    friend oPointT operator+(oPointT p, const oVectorT<T>& v) { return p += v; }
    friend oPointT operator-(oPointT p, const oVectorT<T>& v) { return p -= v; }
    // The displacement from q to p.
    friend oVectorT<T> operator-(const oPointT& p, const oPointT& q) {
        return oVectorT<T>(p.x - q.x, p.y - q.y);
    }
};

// A rectangle as position (its north-west corner when canonical) and size. A negative size
// is allowed; a canonical rectangle (size >= 0) covers position to corner, both inclusive.
template <class T> class oRectT {
public:
    using Point = oPointT<T>;
    using Vector = oVectorT<T>;

    oRectT() = default;
    // From a platform rectangle given by its Left, Top, Right and Bottom edges.
    template <class PlatformRect>
    requires requires(const PlatformRect& r) { r.Left + r.Top + r.Right + r.Bottom; }
    explicit oRectT(const PlatformRect& r)
        : position_(T(r.Left), T(r.Top)), size_(T(r.Right - r.Left), T(r.Bottom - r.Top)) {}
    oRectT(const Point& position, const Vector& size) : position_(position), size_(size) {}
    oRectT(const Point& p, const Point& q) : position_(p), size_(q - p) {}
    oRectT(T x, T y, T w, T h) : position_(x, y), size_(w, h) {}

    Point& pos() { return position_; }
    const Point& pos() const { return position_; }
    Vector& size() { return size_; }
    const Vector& size() const { return size_; }
    Point corner() const { return position_ + size_; }
    Point centre() const { return position_ + size_ / 2.0; }

    // Position and size are each scaled componentwise.
    oRectT& operator*=(const oScale& s) {
        position_ *= s;
        size_ *= s;
        return *this;
    }
    oRectT& operator/=(const oScale& s) {
        PRECONDITION(s.x != 0);
        PRECONDITION(s.y != 0);
        position_ /= s;
        size_ /= s;
        return *this;
    }
    friend oRectT operator*(oRectT r, const oScale& s) { return r *= s; }
    friend oRectT operator/(oRectT r, const oScale& s) { return r /= s; }

    friend bool operator==(const oRectT& r, const oRectT& q) {
        return r.position_ == q.position_ && r.size_ == q.size_;
    }
    friend bool operator!=(const oRectT& r, const oRectT& q) { return !(r == q); }

    // The same position with zero height; with zero width.
    oRectT xProj() const { return oRectT(position_, size_.xProj()); }
    oRectT yProj() const { return oRectT(position_, size_.yProj()); }

    // Corners and edge midpoints, clockwise from the position. The integer family halves
    // the size by integer division.
    Point NW() const { return position_; }
    Point N() const { return position_ + Vector(half(size_.x), T{}); }
    Point NE() const { return position_ + size_.xProj(); }
    Point E() const { return position_ + Vector(size_.x, half(size_.y)); }
    Point SE() const { return corner(); }
    Point S() const { return position_ + Vector(half(size_.x), size_.y); }
    Point SW() const { return position_ + size_.yProj(); }
    Point W() const { return position_ + Vector(T{}, half(size_.y)); }

    // p clamped into this canonical rectangle.
    Point bound(const Point& p) const {
        PRECONDITION(isCanonical());
        const Point c = corner();
        return Point(std::min(std::max(p.x, position_.x), c.x),
                     std::min(std::max(p.y, position_.y), c.y));
    }
    // Turns negative sizes round so the same points are covered with a canonical size.
    void canonize() {
        if (size_.x < 0) {
            position_.x += size_.x;
            size_.x = -size_.x;
        }
        if (size_.y < 0) {
            position_.y += size_.y;
            size_.y = -size_.y;
        }
    }
    // Whether p lies in this canonical rectangle, edges included.
    bool contains(const Point& p) const {
        PRECONDITION(isCanonical());
        return position_ <= p && p <= corner();
    }
    bool contains(const oRectT& r) const {
        PRECONDITION(r.isCanonical());
        return contains(r.pos()) && contains(r.corner());
    }

    oRectT moveBy(const Vector& v) const { return oRectT(position_ + v, size_); }
    // Grown by v on every side.
    oRectT growBy(const Vector& v) const { return oRectT(position_ - v, size_ + v + v); }
    // A rectangle of size v with the same centre.
    oRectT concentric(const Vector& v) const { return oRectT(position_ + (size_ - v) / 2.0, v); }
    // The block of a fromCols x fromRows grid that starts at column col, row row and spans
    // cols columns and rows rows. The unit cell is formed in double precision (so an exact
    // division stays exact) and, in the integer family, truncated once: all blocks have the
    // same size and a remainder stays uncovered at the right and bottom.
    oRectT tile(int col, int fromCols, int cols, int row, int fromRows, int rows) const {
        PRECONDITION(fromCols != 0 && fromRows != 0);
        const Vector unit(dimension_detail::stored<T>(double(size_.x) * (1.0 / fromCols)),
                          dimension_detail::stored<T>(double(size_.y) * (1.0 / fromRows)));
        return oRectT(position_ + unit * oScale(col, row), unit * oScale(cols, rows));
    }

    bool isEmpty() const { return size_.x == 0 || size_.y == 0; }
    bool isCanonical() const { return size_.x >= 0 && size_.y >= 0; }

    // The smallest rectangle holding both.
    oRectT operator|(const oRectT& r) const {
        PRECONDITION(this->isCanonical());
        PRECONDITION(r.isCanonical());
        const Point c = corner(), rc = r.corner();
        return oRectT(
            Point(std::min(position_.x, r.position_.x), std::min(position_.y, r.position_.y)),
            Point(std::max(c.x, rc.x), std::max(c.y, rc.y)));
    }
    // The intersection; disjoint rectangles give a zero size component at the larger position.
    oRectT operator&(const oRectT& r) const {
        PRECONDITION(this->isCanonical());
        PRECONDITION(r.isCanonical());
        const Point c = corner(), rc = r.corner();
        const Point p(std::max(position_.x, r.position_.x), std::max(position_.y, r.position_.y));
        const Vector extent = Point(std::min(c.x, rc.x), std::min(c.y, rc.y)) - p;
        return oRectT(p, Vector(std::max(extent.x, T{}), std::max(extent.y, T{})));
    }

private:
    static T half(T v) { return v / T(2); }

    Point position_;
    Vector size_;
};

using oVector = oVectorT<std::int32_t>;
using oPoint = oPointT<std::int32_t>;
using oRect = oRectT<std::int32_t>;
using oRealVector = oVectorT<double>;
using oRealPoint = oPointT<double>;
using oRealRect = oRectT<double>;
