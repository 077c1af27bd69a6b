#pragma once
// Lets screen readers read the Payout field as an editable text whose value is what it shows.

void installMaskEditAccessibility();
