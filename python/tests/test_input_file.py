import numpy as np
import pytest

import quelm
from quelm.input_file import input_text, locate, normalized


def test_mapping_is_written_in_group_order_with_fortran_values():
    text = input_text({
        "title": "TEST RING",
        "cparm": {"ncr": 40, "LPLE": True, "LBIN": np.bool_(False)},
        "MPARM": {"SGMZ": np.float64(1.5e-3), "ALPHA": 1e-5, "CTONUS": [0.0, None, 20.0], "NUS": 0.0085},
    })
    assert text == ("TEST RING\n"
                    " &MPARM\n   SGMZ = 0.0015,\n   ALPHA = 1E-05,\n   CTONUS = 0.0, , 20.0,\n   NUS = 0.0085, /\n"
                    " &CPARM\n   NCR = 40,\n   LPLE = T,\n   LBIN = F, /\n"
                    " &IPARM /\n &HPARM /\n &SPARM /\n")


def test_written_file_reads_back_as_the_mapping(tmp_path):
    inputs = {"title": "ROUND TRIP", "MPARM": {"SGMZ": 0.1 + 0.2, "SGMTOC": [None, 1.25e-7, 3.0]},
              "CPARM": {"NMODF": -3, "IPRINT": False}, "SPARM": {"EX": -2.5e300},
              "ZPARM": {"ZTFILE": "it's/here.txt"}}
    path = tmp_path / "run.in"
    path.write_text(input_text(inputs))
    assert quelm.read_input(path) == {**normalized(inputs), "IPARM": {}, "HPARM": {}}


@pytest.mark.parametrize("inputs, message", [
    ({"MPARM": {"SGMZ": float("inf")}}, "SGMZ = inf: quelmw reads only finite numbers"),
    ({"MPARM": {"CTOSGM": [1.0, float("nan")]}}, "CTOSGM = nan: quelmw reads only finite numbers"),
    ({"XPARM": {}}, "unknown input group 'XPARM'"),
    ({"title": "TWO\nLINES"}, "the title must be one line"),
])
def test_values_quelmw_cannot_read_are_refused(inputs, message):
    with pytest.raises(ValueError, match=message):
        input_text(inputs)


def test_input_file_forms_are_read(tmp_path):
    path = tmp_path / "forms.in"
    path.write_text("TITLE ! not a comment\n"
                    " ignored line before the group\n"
                    " $MPARM nus=1.5D-3 SGMZ=1.0, ! comment / not an end\n"
                    "   sgmz = 2.0  SGMTOC(3) = 2*0.5, , 7 CTOSGM = 2* 1., 2.\n"
                    " $END\n"
                    " &CPARM IPRINT=.TRUE., LPLE=f, NCR=+12 /\n")
    assert quelm.read_input(path) == {
        "title": "TITLE ! not a comment",
        "MPARM": {"NUS": 1.5e-3, "SGMZ": 2.0, "SGMTOC": [None, None, 0.5, 0.5, None, 7],
                  "CTOSGM": [None, None, 1.0, 2.0]},
        "CPARM": {"IPRINT": True, "LPLE": False, "NCR": 12},
    }


@pytest.mark.parametrize("text, message", [
    ("TITLE\n &MPARM 0.5 /\n", "unexpected '0.5' in group MPARM"),
    ("TITLE\n &MPARM SGMZ=1.0\n", "end of file inside group MPARM"),
    ("TITLE\n &MPARM SGMZ=1.O /\n", "SGMZ: '1.O' is not a number, logical or quoted text"),
])
def test_malformed_input_is_refused_naming_the_file(tmp_path, text, message):
    path = tmp_path / "bad.in"
    path.write_text(text)
    with pytest.raises(ValueError, match=f"{path}: {message}"):
        quelm.read_input(path)


@pytest.mark.parametrize("item, found", [
    ("sgmz", ("MPARM", "SGMZ")),
    ("RS", ("IPARM", "RS")),
    ("cparm.ncr", ("CPARM", "NCR")),
    ("RWLEN", ("ZPARM", "RWLEN")),
    ("rwsig", ("ZPARM", "RWSIG")),
    ("NEWITEM", ("MPARM", "NEWITEM")),
])
def test_an_item_is_located_in_the_group_that_holds_it(item, found):
    assert locate({"MPARM": {}, "ZPARM": {"rwlen": 100.0}}, item) == found
