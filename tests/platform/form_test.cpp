// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Doppler spectroscopy book authors
#include "DialogRecorder.h"
#include "TForm.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

struct CreationOrder : TForm {
    std::vector<std::string> log;
    int derivedField = 0;
    CreationOrder() {
        log.push_back("constructor");
        OnCreate = [this] { log.push_back("create sees " + std::to_string(derivedField)); };
        derivedField = 7;
    }
};

} // namespace

TEST(Form, CreateHandlerRunsAfterEveryConstructorAndOnlyOnce) {
    auto* form = CreateForm<CreationOrder>();
    form->RunCreate();
    EXPECT_EQ(form->log, (std::vector<std::string>{"constructor", "create sees 7"}));
    TForm::Free(form);
}

TEST(Form, FreeRunsTheDestroyHandlerOnce) {
    int destroyed = 0;
    auto* form = CreateForm<TForm>();
    form->OnDestroy = [&] { ++destroyed; };
    TForm::Free(form);
    EXPECT_EQ(destroyed, 1);
}

TEST(Form, ModalDialogsGoThroughTheHook) {
    DialogRecorder dialogs;
    dialogs.answerModal = [](TForm&) { return int(mrOk); };
    TForm form;
    form.SetCaption("Options");
    EXPECT_EQ(form.ShowModal(), mrOk);
    Application::ShowMessage("Unable to open calculator");
    Application::ShowException(std::runtime_error("Cannot open file"));
    EXPECT_EQ(dialogs.modalForms, std::vector<std::string>{"Options"});
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Unable to open calculator"});
    EXPECT_EQ(dialogs.exceptions, std::vector<std::string>{"Cannot open file"});
}

TEST(Form, ModalLoopEndsWithTheResultAndEnterEscPressTheirButtons) {
    TForm form;
    auto* ok = new QPushButton("OK", &form);
    auto* cancel = new QPushButton("Cancel", &form);
    QObject::connect(ok, &QPushButton::clicked, [&] { form.SetModalResult(mrOk); });
    QObject::connect(cancel, &QPushButton::clicked, [&] { form.SetModalResult(mrCancel); });
    form.SetDefaultButton(ok);
    form.SetCancelButton(cancel);

    QTimer::singleShot(0, [&] { QTest::keyClick(&form, Qt::Key_Return); });
    EXPECT_EQ(form.ExecModal(), mrOk);
    EXPECT_FALSE(form.isVisible());
    QTimer::singleShot(0, [&] { QTest::keyClick(&form, Qt::Key_Escape); });
    EXPECT_EQ(form.ExecModal(), mrCancel);
    QTimer::singleShot(0, [&] { form.close(); });
    EXPECT_EQ(form.ExecModal(), mrCancel) << "closing the window cancels";
}
