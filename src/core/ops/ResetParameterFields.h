#pragma once

class OrvaForm;

// The neutral values shown before the tester has been read.
void ResetParameterFields(OrvaForm &form);
