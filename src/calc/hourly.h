#pragma once

namespace calc {} // namespace calc
