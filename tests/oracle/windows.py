# SPDX-License-Identifier: GPL-3.0-or-later
"""Every window the oracle knows, by the short name its options take, in the
order of the window registry."""

import algebra
import others

WINDOWS = {
    "enzan": algebra.Enzan(),
    "insuu": algebra.Insuu(),
    "niji": algebra.Niji(),
    "koji": algebra.Koji(),
    "renritu": algebra.Renritu(),
    "renritu3": algebra.Renritu3(),
    "hutei": algebra.Hutei(),
    "bibun": others.Bibun(),
    "sekibun": others.Sekibun(),
    "sigma": others.Sigma(),
    "naibun": others.Naibun(),
    "junretu": others.Junretu(),
}
