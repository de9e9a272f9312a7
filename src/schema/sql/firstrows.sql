-- First rows of an empty database: what a new centre needs before anyone
-- can log in and set up the catalogue.
--
-- The first administrator, account "admin", logs in with an empty password: the
-- password column holds the enciphered text of the password, and the empty text
-- enciphers to the empty text. He holds every entry of the main menu, so he can
-- create the other users and grant them their entries.

-- Department categories: the client works with categories 11, 12 and 13 only;
-- 13 holds the departments that can be in charge of a unit.
INSERT INTO [dbo].[pub_kslbie] ([id], [mcheng]) VALUES (11, N'临床检查科室');
INSERT INTO [dbo].[pub_kslbie] ([id], [mcheng]) VALUES (12, N'医技检查科室');
INSERT INTO [dbo].[pub_kslbie] ([id], [mcheng]) VALUES (13, N'体检业务科室');
GO

-- Sexes and categories of users.
INSERT INTO [dbo].[pub_xbie] ([id], [mcheng]) VALUES (1, N'男');
INSERT INTO [dbo].[pub_xbie] ([id], [mcheng]) VALUES (2, N'女');
INSERT INTO [dbo].[pub_yhlbie] ([id], [mcheng]) VALUES (1, N'系统管理员');
INSERT INTO [dbo].[pub_yhlbie] ([id], [mcheng]) VALUES (2, N'科室医生');
INSERT INTO [dbo].[pub_yhlbie] ([id], [mcheng]) VALUES (3, N'总检医生');
INSERT INTO [dbo].[pub_yhlbie] ([id], [mcheng]) VALUES (4, N'护士');
INSERT INTO [dbo].[pub_yhlbie] ([id], [mcheng]) VALUES (5, N'前台登记员');
INSERT INTO [dbo].[pub_yhlbie] ([id], [mcheng]) VALUES (6, N'收费员');
GO

-- This client's subsystem.
INSERT INTO [dbo].[his_qxzhi] ([zhi], [mcheng]) VALUES (N'M1', N'健康体检管理系统');
GO

-- The centre's office: the administrator's department (users are listed by
-- department, so he needs one of the three categories).
INSERT INTO [dbo].[pub_kshi] ([mcheng], [pyjma], [kslbie], [xhao], [wzhi], [bzhu]) VALUES (N'体检中心办公室', N'TJZXBGS', 13, 1, N'一楼大厅', N'系统初始科室');
GO

INSERT INTO [dbo].[pub_yhu] ([zhao], [xming], [xhao], [pyjma], [xbie], [kshi], [dhua], [yhlbie], [jjie], [bzhu], [mma], [qxian])
SELECT N'admin', N'系统管理员', 1, N'XTGLY', 1, [id], N'', 1, N'系统初始管理员，负责用户与权限的管理', N'初始密码为空，请登录后及时修改', N'', N'M1'
  FROM [dbo].[pub_kshi] WHERE [mcheng] = N'体检中心办公室';
GO

-- The menu registry as the client registers it at start, so that the
-- authorisation window can show it before the first start of a workstation.

INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'01', N'前台工作', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0101', N'团体（单位）维护', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0102', N'单位套餐维护', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0103', N'-', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0104', N'团检登记', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0105', N'散检登记', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0106', N'团检单位回款', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0107', N'-', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0108', N'增减项目', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0109', N'-', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0110', N'团检导检单打印', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0111', N'散检导检单打印', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0112', N'团检检验申请单打印', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0113', N'散检检验申请单打印', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0114', N'-', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0115', N'照片采集', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0116', N'档案维护', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0117', N'注销体检号', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'02', N'医生工作', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0201', N'医生工作站（分科录入）', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0202', N'医生工作站（集中录入）', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'03', N'总检工作', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0301', N'总检录入', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0302', N'报告批量打印', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'04', N'查询统计', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0401', N'按单位体检人员查询', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0402', N'按单位日体检量查询', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0403', N'按单位体检量查询', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0404', N'按单位患病名单查询', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0405', N'-', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0406', N'体检人员列表', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0407', N'体检报告查询', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0408', N'体检数据查询', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'05', N'统计报表', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0501', N'收费员日结', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0502', N'收费员日结补打', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0503', N'收费员月结　', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0504', N'收费员月结补打', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0505', N'-', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0506', N'科室医生工作量报表', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0507', N'按单位总结与建议报表', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0508', N'科室工作量统计报表', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0509', N'医生工作量统计报表', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0510', N'总检医生工作量报表', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'06', N'信息维护', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0601', N'体检科室维护', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0602', N'体检项目维护', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0603', N'组合项目维护', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0604', N'体检套餐维护', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0605', N'-', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0606', N'常见结果维护', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0607', N'诊断结论与建议维护', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0608', N'数据字典', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'060801', N'组合项目类别', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'060802', N'费别字典', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'060803', N'-', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'060804', N'体检类别', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'060805', N'体检分区', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'060806', N'疾病类别', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'060807', N'正常结果', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'060808', N'-', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'060809', N'单位性质', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'060810', N'单位类别', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'060811', N'人员类别', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'07', N'系统设置', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0701', N'参数设置', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0702', N'-', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0703', N'用户管理', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0704', N'用户授权', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0705', N'-', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0706', N'更改密码', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0707', N'背景设置', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0708', N'显示导航图', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'08', N'帮助', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0801', N'关于系统', 1);
INSERT INTO [dbo].[his_qxcdan] ([qxzhi], [qxcdan], [cdmcheng], [gxin]) VALUES (N'M1', N'0802', N'退出', 1);
GO

-- The administrator holds every menu entry.
INSERT INTO [dbo].[pub_yhqxian] ([yhid], [qxzhi], [qxcdan])
SELECT u.[id], c.[qxzhi], c.[qxcdan]
  FROM [dbo].[pub_yhu] u, [dbo].[his_qxcdan] c
 WHERE u.[zhao] = N'admin' AND c.[qxzhi] = N'M1';
GO

-- System values: the current year is not closed yet.
INSERT INTO [dbo].[his_xtszhi] ([bzhu], [zhi]) VALUES (N'YearEnd', N'0');
GO
