// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#pragma once
// A compiled expression. `parse` reads the text into tokens of a language, inserts the
// implicit operator between juxtaposed operands, checks the sequence and converts it
// into a postfix array of nodes, each holding the indices of its operands. Operations
// on constants are computed while compiling, so a constant expression becomes a single
// node. `evaluate` then walks the operations once, reading variables and constants in
// place and computing the basic arithmetic without a call. Errors raise oError: code 103 with an
// oEvalError message, or 102 from a mathematical function.

#include "oLanguage.h"
#include "oToken.h"

#include <cstdint>
#include <vector>

template <class T> class oCodeList {
public:
    // One node of the program. Operand indices refer to earlier nodes.
    struct Node {
        T value;
        oToken<T>* token;
        std::int32_t left;
        std::int32_t right;
    };

    // The language is not owned and must outlive the code list.
    explicit oCodeList(oLanguage* language);
    virtual ~oCodeList() = default;
    oCodeList(const oCodeList&) = delete;
    oCodeList& operator=(const oCodeList&) = delete;

    // Compiles the expression, replacing any earlier program. On failure no program is
    // left and errorPosition() gives the offset of an unreadable token, or -1.
    void parse(const char* expression);
    // The value of the program for the present values of its variables.
    T evaluate();
    // True when the language's implicit operator belongs between left and right.
    virtual bool implicitCheck(const oTokenBase* left, const oTokenBase* right) const;

    std::int32_t errorPosition() const { return errorPos; }
    // The program. After an evaluation the operation nodes hold their values; variable
    // nodes are read in place and keep no copy.
    const std::vector<Node>& code() const { return nodes; }
    oLanguage* language() const { return lang; }

private:
    struct ReadToken {
        T value;
        oToken<T>* token;
    };
    // A token, or (with no token) the index of a binary operator's left operand; the
    // bottom marker has neither.
    struct StackEntry {
        oToken<T>* token;
        std::int32_t index;
    };

    void codify(const char* expression);
    void insertImplicit();
    void checkSyntax();
    void parseCodeList();
    void push(StackEntry entry);
    StackEntry pop();
    const StackEntry& top() const;
    void addToCodeList(oToken<T>* token);
    void appendNode(T value, oToken<T>* token, std::int32_t left, std::int32_t right);
    void cleanup();
    void link();

    // One operation of the linked program: operands and result point at node values or,
    // for plain variables, at the variable's own value.
    enum class Opcode : std::uint8_t {
        add,
        subtract,
        multiply,
        divide,
        negate,
        copy,
        call0,      // op0 of a variable that computes its value
        call1,      // op1 of the token
        call2,      // op2 of the token
        addProduct, // a product and a sum of it, as two steps would compute them
    };
    struct Step {
        Opcode opcode;
        oToken<T>* token;
        const oTokenBase* operand; // becomes the language's current operand
        const T* a;                // the only or the left operand
        const T* b;                // the right operand
        T* out;
        const T* addend = nullptr; // addProduct: the other term of the sum
        T* sum = nullptr;          // addProduct: where the sum goes
    };

    std::int32_t errorPos = -1;
    oLanguage* lang;
    std::vector<Node> nodes;
    std::size_t codeCapacity = 0;
    std::vector<ReadToken> tokens;
    std::size_t tokenCapacity = 0;
    std::vector<StackEntry> stack;
    // Computes an arithmetic step in place; false for a step that needs a call or raises
    // an error.
    static bool arithmetic(const Step& step);
    T evaluateFrom(const Step* step, const Step* end);

    std::vector<Step> steps;
    const T* result = nullptr;
};

extern template class oCodeList<double>;
