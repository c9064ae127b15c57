int main(int argc, char** argv)
{
    (void)argv;
    return argc < 2 ? 0 : -1;
}
