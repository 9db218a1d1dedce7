#pragma once

namespace veltra {

struct CheckContext;

// The six checks; each reads its open catalogue and appends its results.
void Check_LB(CheckContext& context);
int Check_LD(CheckContext& context);  // returns the number of results written
void Check_LVD(CheckContext& context);
void Check_LVB(CheckContext& context);
void Check_LMU(CheckContext& context);
void Check_LOU(CheckContext& context);

}  // namespace veltra
