#pragma once
// Drives the real name dialogs while they run modally: the n-th showing of any watched dialog runs
// the n-th step from inside the dialog's own event loop, as a user would act on the open dialog.

#include "dialogs/namedialogs.h"

#include <QEvent>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

class DialogDriver : public QObject {
public:
    using Step = std::function<void(NameDialogBase &)>;

    DialogDriver(std::initializer_list<NameDialogBase *> dialogs, std::vector<Step> steps)
        : m_steps(std::move(steps))
    {
        for (NameDialogBase *d : dialogs)
            d->installEventFilter(this);
    }
    int shown = 0;  ///< how many times a watched dialog was shown

    /// Types text where the dialog's keyboard focus is, as the keyboard would.
    static void type(NameDialogBase &d, const QString &text) { QTest::keyClicks(keyboard(d), text); }
    static void enter(NameDialogBase &d) { QTest::keyClick(keyboard(d), Qt::Key_Return); }
    /// True when the focus is in the name field and the whole name is selected.
    static bool readyToRetype(NameDialogBase &d)
    {
        return d.focusWidget() == d.e_NameP && !d.e_NameP->text().isEmpty()
               && d.e_NameP->selectedText() == d.e_NameP->text();
    }

protected:
    static QWidget *keyboard(NameDialogBase &d) { return d.focusWidget() ? d.focusWidget() : &d; }
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (e->type() == QEvent::Show && !e->spontaneous()) {
            auto *d = static_cast<NameDialogBase *>(watched);
            const size_t n = size_t(shown++);
            // A showing the test did not plan for, or one its step left open, is cancelled, so that
            // no test can hang.
            QTimer::singleShot(0, d, [this, d, n] {
                if (n < m_steps.size())
                    m_steps[n](*d);
                else
                    ADD_FAILURE() << "unexpected showing " << n + 1 << " of " << d->windowTitle().toStdString();
                if (d->isVisible()) {
                    ADD_FAILURE() << "showing " << n + 1 << " of " << d->windowTitle().toStdString() << " left open";
                    d->reject();
                }
            });
        }
        return false;
    }

private:
    std::vector<Step> m_steps;
};
