# Tests of the artwork area.
