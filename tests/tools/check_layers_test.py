#!/usr/bin/env python3
"""The layer check passes on the tree and fails on wrong includes planted in a copy."""
import pathlib
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
CHECK = ROOT / "tools" / "check-layers.py"


def run_check(root):
    return subprocess.run([sys.executable, str(CHECK), str(root)], capture_output=True, text=True)


class LayerCheck(unittest.TestCase):
    def test_the_tree_keeps_its_layers(self):
        result = run_check(ROOT)
        self.assertEqual(result.returncode, 0, result.stdout)

    def test_planted_includes_are_found(self):
        planted = [
            ("base/number_text.cpp", '#include "engine/application.h"', "upwards"),
            ("output/writer.cpp", '#include "history/history_file.h"', "sideways"),
            ("records/pupil_records.cpp", '#include "history/history_file.h"', "sideways"),
            ("cli/main.cpp", '#include "window/main_window.h"', "sideways"),
            ("engine/run.cpp", "#include <QTimer>", "must not use Qt"),
        ]
        for path, include, complaint in planted:
            with self.subTest(path=path), tempfile.TemporaryDirectory() as tree:
                root = pathlib.Path(tree)
                (root / "window").mkdir()
                (root / "window" / "w.cpp").write_text('#include <QWidget>\n#include "engine/run.h"\n')
                source = root / path
                source.parent.mkdir(parents=True, exist_ok=True)
                source.write_text(f'#include "base/number_text.h"\n{include}\n')
                result = run_check(root)
                self.assertEqual(result.returncode, 1, result.stdout)
                self.assertIn(f"{path}:2", result.stdout)
                self.assertIn(complaint, result.stdout)


if __name__ == "__main__":
    unittest.main()
