#include "parser/OperationGrid.h"

OperationGrid::OperationGrid() {
    levels_[0].push_back(Pending{});  // the placeholder the whole expression feeds
    counters_[0] = 1;
}

OperationGrid::CellRef OperationGrid::addOperation(int level, TToken token, TMathProcedure routine) {
    const int dest = static_cast<int>(cells_.size());
    cells_.push_back(0);
    // Positions are handed out in order (nothing at this level is counted
    // while the first operand's subtree is built), so the new operation is
    // the level's next entry.
    levels_[static_cast<size_t>(level)].push_back(Pending{token, routine, {}, {}, dest});
    return CellRef{nullptr, dest};
}

OperationGrid::CellRef OperationGrid::addConstant(double value) {
    cells_.push_back(value);
    return CellRef{nullptr, static_cast<int>(cells_.size()) - 1};
}

void OperationGrid::setOperand(int level, int position, int side, CellRef ref) {
    Pending& op = levels_[static_cast<size_t>(level)][static_cast<size_t>(position) - 1];
    (side == 1 ? op.arg1 : op.arg2) = ref;
}

std::unique_ptr<OperationList> OperationGrid::link() {
    auto cells = std::make_unique<double[]>(cells_.size());
    std::copy(cells_.begin(), cells_.end(), cells.get());
    auto pointer = [&cells](CellRef ref) -> double* {
        return ref.variable ? ref.variable : ref.cell >= 0 ? &cells[static_cast<size_t>(ref.cell)] : nullptr;
    };
    std::vector<TOperation> operations;
    if (levels_[1].empty()) {
        const Pending& placeholder = levels_[0].front();
        TOperation op;
        op.Arg1 = pointer(placeholder.arg1);
        op.Dest = op.Arg1;
        operations.push_back(op);
    } else {
        for (int level = kLevels - 1; level >= 1; --level) {
            for (const Pending& p : levels_[static_cast<size_t>(level)]) {
                TOperation op;
                op.Arg1 = pointer(p.arg1);
                op.Arg2 = pointer(p.arg2);
                op.Dest = &cells[static_cast<size_t>(p.dest)];
                op.Operation = p.routine;
                op.Token = p.token;
                operations.push_back(op);
            }
        }
    }
    return std::make_unique<OperationList>(std::move(operations), std::move(cells), cells_.size());
}
