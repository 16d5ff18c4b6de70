def build_all(data, here):
    pass
