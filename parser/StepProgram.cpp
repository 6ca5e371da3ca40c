#include "parser/StepProgram.h"

#include <functional>
#include <map>
#include <utility>

#include "parser/BuiltInFunctions.h"
#include "parser/StepRun.h"

namespace {

StepKind kindOf(const TOperation& op) {
    static const std::pair<TMathProcedure, StepKind> kFunctions[] = {
        {builtInFunction("SQRT"), StepKind::sqrt}, {builtInFunction("ABS"), StepKind::abs},
        {builtInFunction("SQR"), StepKind::square}, {builtInFunction("SIN"), StepKind::sin},
        {builtInFunction("COS"), StepKind::cos},    {builtInFunction("EXP"), StepKind::exp},
        {builtInFunction("LN"), StepKind::ln},
    };
    switch (op.Token) {
        case TToken::sum: return StepKind::sum;
        case TToken::diff: return StepKind::diff;
        case TToken::prod: return StepKind::prod;
        case TToken::divis: return StepKind::divis;
        case TToken::minus: return StepKind::minus;
        case TToken::square: return StepKind::square;
        case TToken::FuncOneVar:
            for (const auto& [routine, kind] : kFunctions) {
                if (op.Operation == routine) return kind;
            }
            return StepKind::call;
        default: return StepKind::call;
    }
}

std::uint8_t baseCode(StepKind kind) {
    switch (kind) {
        case StepKind::call: return kCall;
        case StepKind::sum: return kSum;
        case StepKind::diff: return kDiff;
        case StepKind::prod: return kProd;
        case StepKind::divis: return kDivis;
        case StepKind::minus: return kMinus;
        case StepKind::square: return kSquare;
        case StepKind::sqrt: return kSqrt;
        case StepKind::abs: return kAbs;
        case StepKind::sin: return kSin;
        case StepKind::cos: return kCos;
        case StepKind::exp: return kExp;
        case StepKind::ln: return kLn;
    }
    return kCall;
}

bool hasTwoOperands(StepKind kind) {
    return kind == StepKind::sum || kind == StepKind::diff || kind == StepKind::prod || kind == StepKind::divis;
}

}  // namespace

std::vector<Step> decodeSteps(std::span<TOperation* const> operations, bool reorder) {
    std::vector<Step> steps;
    steps.reserve(operations.size());
    for (TOperation* op : operations) steps.push_back(Step{kindOf(*op), op->Arg1, op->Arg2, op->Dest, op});
    if (!reorder || steps.size() < 3) return steps;
    std::map<const double*, size_t> producer;
    for (size_t k = 0; k < steps.size(); ++k) producer.emplace(steps[k].dest, k);
    std::vector<bool> placed(steps.size(), false);
    std::vector<Step> ordered;
    ordered.reserve(steps.size());
    std::function<void(size_t)> place = [&](size_t k) {
        placed[k] = true;  // before the operands: a step reading its own cell (a lone variable) ends here
        for (const double* operand : {steps[k].arg1, steps[k].arg2}) {
            auto it = operand ? producer.find(operand) : producer.end();
            if (it != producer.end() && !placed[it->second]) place(it->second);
        }
        ordered.push_back(steps[k]);
    };
    place(steps.size() - 1);
    // Whatever the last step does not read keeps its place relative to the rest.
    for (size_t k = 0; k < steps.size(); ++k) {
        if (!placed[k]) return steps;
    }
    return ordered;
}

std::vector<Instruction> threadSteps(const std::vector<Step>& steps) {
    std::vector<Instruction> program;
    program.reserve(steps.size() + 1);
    const double* previous = nullptr;
    for (const Step& s : steps) {
        std::uint8_t code = baseCode(s.kind);
        if (s.kind != StepKind::call && previous) {
            if (hasTwoOperands(s.kind) && s.arg2 == previous) {
                code += 2;
            } else if (s.arg1 == previous) {
                code += 1;
            }
        }
        program.push_back(Instruction{code, s.arg1, s.arg2, s.dest, s.operation});
        previous = s.dest;
    }
    program.push_back(Instruction{});
    return program;
}

