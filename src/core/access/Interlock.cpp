#include "Interlock.h"

#include "form/OrvaForm.h"

void Interlock::lockAllControls(OrvaForm &form)
{
    for (const Control c : Controls::all())
        if (Controls::info(c).interlocked)
            form.setOpen(c, false);
}

void Interlock::applyAccessLevel(OrvaForm &form, AccessLevel level)
{
    for (const Control c : Controls::all()) {
        const LevelAction a = Controls::action(c, level);
        if (a != LevelAction::Leave)
            form.setOpen(c, a == LevelAction::Open);
    }
}
