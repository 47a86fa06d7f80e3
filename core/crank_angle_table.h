#pragma once
// Results over crank angle: 241 rows, row i standing for 3*i degrees.
#include <array>

namespace zorvan {

constexpr int kRows = 241;      // rows 0..240
constexpr int kLastRow = 240;
constexpr int kPinColumns = 10;
constexpr int kShakingColumns = 48;

using Column = std::array<float, kRows>;

// A table of kRows rows by Cols columns, held column by column, so that the
// passes work and write each column as one contiguous run of rows. t[row][c]
// reads and writes one cell, and the rows iterate, as in a table held by rows.
template <int Cols>
class ColumnTable {
 public:
  template <class Table, class Cell>
  class RowOf {
   public:
    RowOf(Table* table, int row) : table_(table), row_(row) {}
    Cell& operator[](int column) const { return table_->columns_[column][row_]; }
    Cell& at(int column) const { return table_->columns_.at(column).at(row_); }
    static constexpr std::size_t size() { return Cols; }
    std::array<float, Cols> Values() const {
      std::array<float, Cols> v{};
      for (int c = 0; c < Cols; ++c) v[c] = (*this)[c];
      return v;
    }
    template <class OtherTable, class OtherCell>
    bool operator==(const RowOf<OtherTable, OtherCell>& other) const {
      return Values() == other.Values();
    }
    auto begin() const { return Cells{this, 0}; }
    auto end() const { return Cells{this, Cols}; }

   private:
    struct Cells {
      const RowOf* row;
      int column;
      Cell& operator*() const { return (*row)[column]; }
      Cells& operator++() { return ++column, *this; }
      bool operator!=(const Cells& other) const { return column != other.column; }
    };
    Table* table_;
    int row_;
  };
  using Row = RowOf<ColumnTable, float>;
  using ConstRow = RowOf<const ColumnTable, const float>;

  Row operator[](int row) { return Row(this, row); }
  ConstRow operator[](int row) const { return ConstRow(this, row); }
  Row at(int row) { return Row(this, CheckedRow(row)); }
  ConstRow at(int row) const { return ConstRow(this, CheckedRow(row)); }
  Column& column(int c) { return columns_[c]; }
  const Column& column(int c) const { return columns_[c]; }
  static constexpr std::size_t size() { return kRows; }
  bool operator==(const ColumnTable&) const = default;

  template <class Table, class RowType>
  struct Rows {
    Table* table;
    int row;
    RowType operator*() const { return RowType(table, row); }
    Rows& operator++() { return ++row, *this; }
    bool operator!=(const Rows& other) const { return row != other.row; }
  };
  auto begin() const { return Rows<const ColumnTable, ConstRow>{this, 0}; }
  auto end() const { return Rows<const ColumnTable, ConstRow>{this, kRows}; }

 private:
  static int CheckedRow(int row) {
    if (row < 0 || row >= kRows) Column{}.at(row);  // throws out_of_range as an array does
    return row;
  }
  std::array<Column, Cols> columns_{};
};

using PinTable = ColumnTable<kPinColumns>;
using ShakingTable = ColumnTable<kShakingColumns>;

// Shaking tables: column = slot + 4*component + 12*group.
// slot 0 engine, 1..3 banks (slot 1 is the one cylinder in the one-cylinder pass);
// component 1 x, 2 y; group 0 primary, 1 secondary, 2 total.
constexpr int ShakingColumn(int slot, int component, int group) {
  return slot + 4 * component + 12 * group;
}
enum Component { kX = 1, kY = 2 };
enum Group { kPrimary = 0, kSecondary = 1, kTotal = 2 };

// Clears every column of a shaking table but the x and y columns of slots
// 0..kept-1, which the caller writes whole.
inline void ClearAllBut(ShakingTable& table, int kept) {
  for (int c = 0; c < kShakingColumns; ++c) {
    const int slot = c % 4, component = c / 4 % 3, group = c / 12;
    const bool written = slot < kept && component != 0 && group <= kTotal;
    if (!written) table.column(c) = {};
  }
}

// Pin-force columns: 0 unused, 1 crankpin F32, 2 wristpin F34, 3 wall F41,
// 4 main bearing F21; 5..9 the same turned into the crank's rotating frame.
enum PinColumn { kCrankpin = 1, kWristpin = 2, kWall = 3, kMainBearing = 4, kRotatedOffset = 5 };

struct CrankAngleTable {
  Column CrankAngle{};
  Column PistonPosition{};
  Column PistonVelocity{};
  Column PistonAcceleration{};
  std::array<double, kRows> TanConrodAngle{};
  Column GasForce{};
  Column GasTorque{};
  Column InertiaTorque{};
  Column TotalTorque{};
  Column ShakingTorque{};
  Column FrictionTorque{};
  Column SmoothedTorque{};
  PinTable PinForceX{};
  PinTable PinForceY{};
  ShakingTable ShakingForce{};
  ShakingTable ShakingMoment{};
  ShakingTable SingleShakingForce{};
  // The one cylinder's gas force, gas, inertia and friction torque as the
  // counterweight pass leaves them. The multi-cylinder pass builds the engine
  // columns from these, so running it again gives the same engine.
  Column SingleGasForce{};
  Column SingleGasTorque{};
  Column SingleInertiaTorque{};
  Column SingleFrictionTorque{};
};

}  // namespace zorvan
