#include "settings/commands/plan_command.h"

#include <memory>

#include "settings/commands/command_input.h"
#include "settings/format/engine_reading.h"
#include "settings/plan/install_plan.h"

namespace velquin {

PlanCommandResult runPlanCommand(CommandInput& input) {
  const std::vector<FileFinding>& findings = input.findings();
  const PlanFolder folder{input.checker().folder(), input.sizes(), true};
  const EngineReading reading(input.file());
  return {0, installPlanText(reading, folder, findings)};
}

PlanCommandResult runPlanCommand(const std::filesystem::path& path) {
  std::string error;
  const std::unique_ptr<CommandInput> input =
      CommandInput::read(path, CommandInput::Sizes::With, error);
  if (!input) return {2, error + "\n"};
  return runPlanCommand(*input);
}

}  // namespace velquin
