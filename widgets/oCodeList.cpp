// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "oCodeList.h"

#include "oEvalError.h"

#include "Precondition.h"

#include <cctype>
#include <cstring>
#include <limits>
#include <new>
#include <typeinfo>

namespace {

// Longest expression whose token capacity (twice its length plus one) still fits the
// 32-bit positions and indices of a code list.
constexpr std::size_t maxExpressionLength = (std::numeric_limits<std::int32_t>::max() - 1) / 2;

// An operand or ")" before a token that needs an operator in between.
bool isOperandEnd(const oTokenBase* token) {
    if (token == nullptr)
        return false;
    switch (token->type) {
    case oTokenBase::rightBracket:
    case oTokenBase::variable:
    case oTokenBase::constant:
    case oTokenBase::number:
        return true;
    default:
        return false;
    }
}

bool isOneOperand(oTokenBase::tokenType type) {
    return type == oTokenBase::unaryOp || type == oTokenBase::function ||
           type == oTokenBase::postfixOp;
}

} // namespace

template <class T> oCodeList<T>::oCodeList(oLanguage* language) : lang(language) {}

template <class T> void oCodeList<T>::parse(const char* expression) {
    PRECONDITION(lang != nullptr);
    PRECONDITION(expression != nullptr);
    errorPos = -1;
    std::vector<Node>().swap(nodes);
    std::vector<Step>().swap(steps);
    result = nullptr;
    try {
        const std::size_t length = std::strlen(expression);
        if (length > maxExpressionLength)
            oEvalError::raise(oEvalError::NO_MEM);
        tokenCapacity = 2 * length + 1;
        try {
            tokens.reserve(tokenCapacity);
            stack.reserve(tokenCapacity);
        } catch (const std::bad_alloc&) {
            oEvalError::raise(oEvalError::NO_MEM);
        }
        codify(expression);
        if (tokens.empty())
            oEvalError::raise(oEvalError::NO_EXP);
        insertImplicit();
        checkSyntax();
        parseCodeList();
        link();
    } catch (...) {
        cleanup();
        std::vector<Node>().swap(nodes);
        std::vector<Step>().swap(steps);
        result = nullptr;
        throw;
    }
    cleanup();
}

template <class T> void oCodeList<T>::codify(const char* expression) {
    const char* end = expression + std::strlen(expression);
    const oTokenBase* previous = nullptr;
    for (const char* p = expression;;) {
        while (std::isspace(static_cast<unsigned char>(*p)))
            ++p;
        if (*p == '\0')
            break;
        errorPos = static_cast<std::int32_t>(p - expression);
        int length = 0;
        oTokenBase* found = lang->find(p, length, previous);
        if (found == nullptr)
            oEvalError::raise(oEvalError::NO_TOK);
        PRECONDITION(length > 0 && length <= end - p);
        auto* token = dynamic_cast<oToken<T>*>(found);
        if (token == nullptr)
            oEvalError::raise(oEvalError::CODE_ERROR);
        PRECONDITION(tokens.size() < tokenCapacity);
        // A literal token keeps only the last number it read, so take its value now.
        tokens.push_back({token->isConstant() ? token->op0() : T(0), token});
        previous = found;
        p += length;
    }
    errorPos = -1;
}

template <class T> void oCodeList<T>::insertImplicit() {
    oTokenBase* implicit = lang->implicitOperator();
    if (implicit == nullptr)
        return;
    auto* op = dynamic_cast<oToken<T>*>(implicit);
    PRECONDITION(op != nullptr && op->type == oTokenBase::binaryOp);
    std::size_t inserted = 0;
    for (std::size_t i = 1; i < tokens.size(); ++i)
        inserted += implicitCheck(tokens[i - 1].token, tokens[i].token) ? 1 : 0;
    if (inserted == 0)
        return;
    const std::size_t count = tokens.size();
    PRECONDITION(count + inserted <= tokenCapacity);
    tokens.resize(count + inserted);
    // Spread the tokens from the back, inserting the operator where it belongs.
    std::size_t to = count + inserted;
    for (std::size_t from = count; from-- > 0;) {
        tokens[--to] = tokens[from];
        if (from > 0 && implicitCheck(tokens[from - 1].token, tokens[from].token))
            tokens[--to] = ReadToken{T(0), op};
    }
}

template <class T>
bool oCodeList<T>::implicitCheck(const oTokenBase* left, const oTokenBase* right) const {
    if (!oTokenBase::isLeftArg(left))
        return false;
    switch (right->type) {
    case oTokenBase::leftBracket:
    case oTokenBase::unaryOp:
    case oTokenBase::function:
    case oTokenBase::variable:
    case oTokenBase::constant:
        return true;
    default:
        return false;
    }
}

template <class T> void oCodeList<T>::checkSyntax() {
    std::size_t openings = 0;
    std::size_t closings = 0;
    const std::size_t count = tokens.size();
    for (std::size_t i = 0; i < count; ++i) {
        const oTokenBase* previous = i > 0 ? tokens[i - 1].token : nullptr;
        const bool last = i + 1 == count;
        switch (tokens[i].token->type) {
        case oTokenBase::leftBracket:
            ++openings;
            [[fallthrough]];
        case oTokenBase::unaryOp:
        case oTokenBase::function:
            if (last)
                oEvalError::raise(oEvalError::ARG_MISS);
            if (isOperandEnd(previous))
                oEvalError::raise(oEvalError::OP_MISS);
            break;
        case oTokenBase::variable:
        case oTokenBase::constant:
        case oTokenBase::number:
            if (isOperandEnd(previous))
                oEvalError::raise(oEvalError::OP_MISS);
            break;
        case oTokenBase::binaryOp:
            if (last || !oTokenBase::isLeftArg(previous))
                oEvalError::raise(oEvalError::ARG_MISS);
            break;
        case oTokenBase::rightBracket:
        case oTokenBase::postfixOp:
            if (!oTokenBase::isLeftArg(previous))
                oEvalError::raise(oEvalError::ARG_MISS);
            if (tokens[i].token->type == oTokenBase::rightBracket && ++closings > openings)
                oEvalError::raise(oEvalError::OPEN_MISS);
            break;
        default:
            oEvalError::raise(oEvalError::CODE_ERROR);
        }
    }
    if (openings > closings)
        oEvalError::raise(oEvalError::CLOSE_MISS);
    codeCapacity = count - 2 * closings;
}

template <class T> void oCodeList<T>::parseCodeList() {
    try {
        nodes.reserve(codeCapacity);
    } catch (const std::bad_alloc&) {
        oEvalError::raise(oEvalError::NO_MEM);
    }
    push({nullptr, -1});
    for (const ReadToken& read : tokens) {
        oToken<T>* token = read.token;
        switch (token->type) {
        case oTokenBase::leftBracket:
        case oTokenBase::unaryOp:
        case oTokenBase::function:
            push({token, -1});
            break;
        case oTokenBase::rightBracket:
            for (;;) {
                const StackEntry entry = pop();
                if (entry.token == nullptr)
                    oEvalError::raise(oEvalError::CODE_ERROR);
                if (entry.token->type == oTokenBase::leftBracket)
                    break;
                addToCodeList(entry.token);
            }
            break;
        case oTokenBase::binaryOp:
        case oTokenBase::postfixOp:
            while (top().token != nullptr && top().token->precedes(token))
                addToCodeList(pop().token);
            if (token->type == oTokenBase::postfixOp) {
                addToCodeList(token);
            } else {
                if (nodes.empty())
                    oEvalError::raise(oEvalError::CODE_ERROR);
                push({nullptr, static_cast<std::int32_t>(nodes.size() - 1)});
                push({token, -1});
            }
            break;
        case oTokenBase::variable:
            addToCodeList(token);
            break;
        case oTokenBase::constant:
        case oTokenBase::number:
            addToCodeList(token);
            nodes.back().value = read.value;
            break;
        default:
            oEvalError::raise(oEvalError::CODE_ERROR);
        }
    }
    for (;;) {
        const StackEntry entry = pop();
        if (entry.token == nullptr && entry.index < 0)
            break;
        if (entry.token == nullptr)
            oEvalError::raise(oEvalError::CODE_ERROR);
        addToCodeList(entry.token);
    }
}

template <class T> void oCodeList<T>::push(StackEntry entry) {
    if (stack.size() >= tokenCapacity)
        oEvalError::raise(oEvalError::CODE_ERROR);
    stack.push_back(entry);
}

template <class T> typename oCodeList<T>::StackEntry oCodeList<T>::pop() {
    if (stack.empty())
        oEvalError::raise(oEvalError::CODE_ERROR);
    const StackEntry entry = stack.back();
    stack.pop_back();
    return entry;
}

template <class T> const typename oCodeList<T>::StackEntry& oCodeList<T>::top() const {
    if (stack.empty())
        oEvalError::raise(oEvalError::CODE_ERROR);
    return stack.back();
}

template <class T> void oCodeList<T>::addToCodeList(oToken<T>* token) {
    const auto count = static_cast<std::int32_t>(nodes.size());
    if (isOneOperand(token->type)) {
        if (count == 0)
            oEvalError::raise(oEvalError::CODE_ERROR);
        Node& operand = nodes.back();
        if (operand.token->isConstant()) {
            // Fold: the constant node takes the result and stays a constant.
            lang->currentOperand = operand.token;
            operand.value = token->op1(operand.value);
        } else {
            appendNode(T(0), token, -1, count - 1);
        }
        return;
    }
    switch (token->type) {
    case oTokenBase::binaryOp: {
        const StackEntry entry = pop();
        if (entry.token != nullptr || entry.index < 0)
            oEvalError::raise(oEvalError::CODE_ERROR);
        const std::int32_t left = entry.index;
        PRECONDITION(count >= 2 && left <= count - 2);
        Node& beforeLast = nodes[count - 2];
        const Node& last = nodes[count - 1];
        // Fold when both operands are single constant nodes: the left one takes the result.
        if (left == count - 2 && beforeLast.token->isConstant() && last.token->isConstant()) {
            lang->currentOperand = beforeLast.token;
            beforeLast.value = token->op2(beforeLast.value, last.value);
            nodes.pop_back();
        } else {
            appendNode(T(0), token, left, count - 1);
        }
        break;
    }
    case oTokenBase::variable:
    case oTokenBase::constant:
    case oTokenBase::number:
        appendNode(T(0), token, -1, -1);
        break;
    default:
        oEvalError::raise(oEvalError::CODE_ERROR);
    }
}

template <class T>
void oCodeList<T>::appendNode(T value, oToken<T>* token, std::int32_t left, std::int32_t right) {
    PRECONDITION(nodes.size() < codeCapacity);
    nodes.push_back({value, token, left, right});
}

template <class T> void oCodeList<T>::cleanup() {
    std::vector<ReadToken>().swap(tokens);
    std::vector<StackEntry>().swap(stack);
}

namespace {

template <class Opcode> Opcode inlineOpcode(oInlineOp op, Opcode call) {
    switch (op) {
    case oInlineOp::add:
        return Opcode::add;
    case oInlineOp::subtract:
        return Opcode::subtract;
    case oInlineOp::multiply:
        return Opcode::multiply;
    case oInlineOp::divide:
        return Opcode::divide;
    case oInlineOp::negate:
        return Opcode::negate;
    case oInlineOp::identity:
        return Opcode::copy;
    case oInlineOp::none:
        break;
    }
    return call;
}

} // namespace

template <class T> void oCodeList<T>::link() {
    // Where each node's value is read from.
    std::vector<const T*> valueOf;
    try {
        steps.reserve(nodes.size());
        valueOf.resize(nodes.size());
    } catch (const std::bad_alloc&) {
        oEvalError::raise(oEvalError::NO_MEM);
    }
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        Node& node = nodes[i];
        valueOf[i] = &node.value;
        Step step{Opcode::call0, node.token, nullptr, nullptr, nullptr, &node.value};
        switch (node.token->type) {
        case oTokenBase::unaryOp:
        case oTokenBase::function:
        case oTokenBase::postfixOp:
            step.opcode = inlineOpcode(node.token->inlineOp(), Opcode::call1);
            step.operand = nodes[node.right].token;
            step.a = valueOf[node.right];
            break;
        case oTokenBase::binaryOp:
            step.opcode = inlineOpcode(node.token->inlineOp(), Opcode::call2);
            step.operand = nodes[node.left].token;
            step.a = valueOf[node.left];
            step.b = valueOf[node.right];
            break;
        case oTokenBase::variable:
            // A plain variable is read where it lives; a derived one may compute its value.
            if (typeid(*node.token) == typeid(oVariable<T>)) {
                valueOf[i] = &static_cast<oVariable<T>*>(node.token)->value;
                continue;
            }
            break;
        case oTokenBase::constant:
        case oTokenBase::number:
            continue;
        default:
            oEvalError::raise(oEvalError::CODE_ERROR);
        }
        // A sum with a product just computed is one step: the commonest pattern of formulas.
        if (step.opcode == Opcode::add && !steps.empty() &&
            steps.back().opcode == Opcode::multiply &&
            (step.a == steps.back().out || step.b == steps.back().out)) {
            Step& product = steps.back();
            product.opcode = Opcode::addProduct;
            product.addend = step.a == product.out ? step.b : step.a;
            product.sum = step.out;
            product.token = step.token;
            product.operand = step.operand;
            continue;
        }
        steps.push_back(step);
    }
    result = valueOf.back();
}

template <class T> inline bool oCodeList<T>::arithmetic(const Step& step) {
    switch (step.opcode) {
    case Opcode::add:
        *step.out = *step.a + *step.b;
        return true;
    case Opcode::subtract:
        *step.out = *step.a - *step.b;
        return true;
    case Opcode::multiply:
        *step.out = *step.a * *step.b;
        return true;
    case Opcode::addProduct: {
        const T product = *step.a * *step.b;
        *step.out = product;
        *step.sum = *step.addend + product;
        return true;
    }
    case Opcode::divide:
        // A zero divisor is left to the caller, which raises the error.
        if (!(*step.b < T(0) || *step.b > T(0)))
            return false;
        *step.out = *step.a / *step.b;
        return true;
    case Opcode::negate:
        *step.out = -*step.a;
        return true;
    case Opcode::copy:
        *step.out = *step.a;
        return true;
    default:
        return false;
    }
}

template <class T> T oCodeList<T>::evaluate() {
    if (result == nullptr)
        oEvalError::raise(oEvalError::NO_CODELIST);
    const Step* step = steps.data();
    const Step* const end = step + steps.size();
    // This loop does only arithmetic, which needs no call and so no saved registers; the
    // first step that calls a token or may raise an error hands the rest over.
    while (step != end && arithmetic(*step))
        ++step;
    if (step != end)
        return evaluateFrom(step, end);
    return *result;
}

template <class T> T oCodeList<T>::evaluateFrom(const Step* step, const Step* end) {
    // Steps computed in place cannot look at the current operand, so the language is
    // told it only before a token's own operation runs and before an error.
    for (; step != end; ++step) {
        if (arithmetic(*step))
            continue;
        switch (step->opcode) {
        case Opcode::divide:
            lang->currentOperand = step->operand;
            oEvalError::raise(oEvalError::DIV_ZERO);
        case Opcode::call0:
            *step->out = step->token->op0();
            break;
        case Opcode::call1:
            lang->currentOperand = step->operand;
            *step->out = step->token->op1(*step->a);
            break;
        case Opcode::call2:
            lang->currentOperand = step->operand;
            *step->out = step->token->op2(*step->a, *step->b);
            break;
        default:
            oEvalError::raise(oEvalError::CODE_ERROR);
        }
    }
    return *result;
}

template class oCodeList<double>;
