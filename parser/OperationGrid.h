#pragma once
// The compile-time grid of operations: 21 levels by 50 positions. An operator
// term at level L puts its operation at level L + 1; operations read only
// cells written at deeper levels, so running the levels from the deepest up
// computes every operand before it is used.
#include <array>
#include <memory>
#include <vector>

#include "parser/OperationList.h"
#include "parser/ParserTypes.h"

class OperationGrid {
public:
    static constexpr int kLevels = 21;     // 0 to 20
    static constexpr int kPositions = 50;  // per level

    // A cell an operation reads: a variable's own, or one of the grid's cells.
    struct CellRef {
        double* variable = nullptr;
        int cell = -1;
    };

    OperationGrid();

    // Operations created at `level` so far (level 0 starts at 1: the placeholder).
    int counter(int level) const { return counters_[static_cast<size_t>(level)]; }
    void count(int level) { ++counters_[static_cast<size_t>(level)]; }

    // Adds the operation at (level, counter + 1) with a new result cell
    // holding 0, and returns a reference to that cell.
    CellRef addOperation(int level, TToken token, TMathProcedure routine);
    CellRef addConstant(double value);
    // Writes `ref` into Arg1 (side 1) or Arg2 (side 2) of the operation at (level, position).
    void setOperand(int level, int position, int side, CellRef ref);

    // The operations from the deepest level up, each level in position order;
    // a lone variable or constant becomes a list of the placeholder alone.
    std::unique_ptr<OperationList> link();

private:
    struct Pending {
        TToken token = TToken::variab;
        TMathProcedure routine = nullptr;
        CellRef arg1, arg2;
        int dest = -1;
    };
    std::array<std::vector<Pending>, kLevels> levels_;
    std::array<int, kLevels> counters_{};
    std::vector<double> cells_;
};
