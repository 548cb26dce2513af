#include "environment.h"

#include "base/runtime_error.h"

namespace zw {

std::unique_ptr<EnvironmentComponent> gEnvironment;

void CreateEnvironment(EnvironmentFactory& factory) {
    if (gEnvironment)
        return;
    gEnvironment = factory.Create();
    std::string text = InitialisationText;
    const std::string transformed = gEnvironment->TransformText(text);
    gEnvironment->SetInitValue(transformed);
    gEnvironment->InitText(InitialisationText);
}

void ReleaseEnvironment() {
    gEnvironment.reset();
}

EnvironmentComponent& Env() {
    if (!gEnvironment)
        throw RuntimeError(91, "Object variable or With block variable not set");
    return *gEnvironment;
}

} // namespace zw
