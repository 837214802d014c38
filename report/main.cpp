// quarvo-report: the scan of the statistics window without a window.

#include <iostream>
#include <string>
#include <vector>

#include "report/report_options.h"
#include "report/report_run.h"

int main(int argc, char** argv) {
    const quarvo::ParsedArguments parsed =
        quarvo::parseArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::cerr << "quarvo-report: " << parsed.error << "\n\n" << quarvo::usageText();
        return quarvo::kExitUsage;
    }
    return quarvo::runReport(*parsed.options, std::cout, std::cerr);
}
