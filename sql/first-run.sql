-- First-run data: the administrator and a few service items.
SET NAMES utf8mb4;
INSERT INTO bosslist (boss_tel, boss_name, boss_key) VALUES ('Chief', '店长', 'chief123');
INSERT INTO xmlist (xm_name, xm_money, xm_del) VALUES
    ('足疗', '68', 0), ('修脚', '38', 0), ('泡脚', '28', 0), ('足底按摩', '98', 0), ('采耳', '30', 0);
