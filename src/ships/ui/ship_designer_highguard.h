#pragma once

#include "ships/ui/ship_designer_steps.h"

class QFormLayout;

namespace velmora::ships {

class DesignForm;

// The controls of the supplement's options that belong at `place`, in the
// design's own field order, each labelled as the designer names it.
void addHighGuardFields(DesignForm& form, QFormLayout* layout, HighGuardPlace place);

} // namespace velmora::ships
