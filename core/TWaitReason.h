#pragma once

// Why a due pause does not begin yet; none when nothing holds it.
enum class TWaitReason { none, away, presentation, call };
